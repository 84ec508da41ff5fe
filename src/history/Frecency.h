#pragma once

#include <cstdint>

namespace corvane {

// How much a page's visits count when suggestions are ranked: a visit counts 1 when it is made,
// and half as much for each week since (a half-life of seven days). So two visits today (2)
// outrank ten visits thirty days ago (10 / 2^(30/7), about 0.5), but not ten a week ago (5).
//
// All of a page's visits are kept as one number, its rank: log2 of the sum of 2^(t / half-life)
// over the visit times t. A visit adds its term; time passing changes no rank, since every
// page's weight falls alike, so ranks compare as they stand and are stored as they are.
class Frecency {
 public:
  static constexpr std::int64_t kHalfLifeMs = 7LL * 24 * 60 * 60 * 1000;

  // The rank of a first visit at atMs.
  static double FirstVisit(std::int64_t atMs);
  // The rank after one more visit at atMs.
  static double Visit(double rank, std::int64_t atMs);
  // The weight of a rank's visits at nowMs: 1 for a visit just made.
  static double Weight(double rank, std::int64_t nowMs);
};

}  // namespace corvane
