#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace corvane {

// Visits as the store reads them for the History window: each page once, and the visits as
// the page and the time, newest first.
struct HistoryVisits {
  struct Page {
    std::string url;
    // The page's title as last seen.
    std::string title;
  };
  struct Visit {
    // Into pages.
    std::uint32_t page = 0;
    // Milliseconds since 1970-01-01 00:00 UTC.
    std::int64_t visitedMs = 0;
  };

  std::vector<Page> pages;
  std::vector<Visit> visits;
};

}  // namespace corvane
