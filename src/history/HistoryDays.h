#pragma once

#include <string>
#include <vector>

#include "history/HistoryVisit.h"
#include "history/HistoryVisits.h"
#include "platform/IClock.h"

namespace corvane {

// One group of the History window's list.
struct HistoryGroup {
  // "Today", "Yesterday", "Earlier this week" or "Older".
  std::string caption;
  // Newest first; a page once, at its latest visit in the group.
  std::vector<HistoryVisit> visits;
};

// The History window's visits by local day: today, yesterday, the days of this week before
// yesterday (weeks begin on Monday), and everything older. Groups without visits are left out.
class HistoryDays {
 public:
  static std::vector<HistoryGroup> Group(const HistoryVisits& visits, const IClock& clock);
};

}  // namespace corvane
