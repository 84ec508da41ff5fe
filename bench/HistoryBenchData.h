#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace bench {

// A few years of browsing, made up: 100,000 visits of 70,000 pages on 3,000 sites over a year.
constexpr int kVisits = 100000;
constexpr int kPages = 70000;
constexpr int kSites = 3000;
constexpr std::int64_t kYearMs = 365LL * 24 * 60 * 60 * 1000;

// Words, sites and pages with titles, the same for the same seed.
struct Web {
  explicit Web(unsigned seed);
  const std::string& word() { return words[random() % words.size()]; }
  std::string title();

  std::mt19937 random;
  std::vector<std::string> words, sites, urls, titles;
};

// Writes kVisits visits of the web's pages into the history database at path, the last at nowMs:
// every page once, then the favourite few again and again.
void fillHistory(const std::string& path, Web& web, std::int64_t nowMs);

}  // namespace bench
