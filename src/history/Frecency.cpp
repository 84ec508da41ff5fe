#include "history/Frecency.h"

#include <algorithm>
#include <cmath>

namespace corvane {

double Frecency::FirstVisit(std::int64_t atMs) {
  return static_cast<double>(atMs) / static_cast<double>(kHalfLifeMs);
}

double Frecency::Visit(double rank, std::int64_t atMs) {
  // log2(2^a + 2^b), computed from the larger term so that nothing overflows.
  const double visit = FirstVisit(atMs);
  const double high = std::max(rank, visit);
  const double low = std::min(rank, visit);
  return high + std::log2(1.0 + std::exp2(low - high));
}

double Frecency::Weight(double rank, std::int64_t nowMs) {
  return std::exp2(rank - FirstVisit(nowMs));
}

}  // namespace corvane
