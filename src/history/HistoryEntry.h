#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// One address of the history, with what its visits add up to.
struct HistoryEntry {
  std::string url;
  // The title the page had at its last visit; "" while it had none.
  std::string title;
  std::int64_t visitCount = 0;
  // Milliseconds since 1970-01-01 00:00 UTC.
  std::int64_t lastVisitMs = 0;
  // How often and how lately it was visited (Frecency).
  double rank = 0;
};

}  // namespace corvane
