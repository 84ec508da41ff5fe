#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// One visit of a page, as the History window lists it.
struct HistoryVisit {
  std::string url;
  // The page's title as last seen.
  std::string title;
  // Milliseconds since 1970-01-01 00:00 UTC.
  std::int64_t visitedMs = 0;
};

}  // namespace corvane
