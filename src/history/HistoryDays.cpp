#include "history/HistoryDays.h"

#include <array>
#include <string_view>
#include <unordered_set>

#include "history/LocalDays.h"

namespace corvane {

namespace {

enum GroupIndex { kToday, kYesterday, kThisWeek, kOlder, kGroups };
const char* const kCaptions[kGroups] = {"Today", "Yesterday", "Earlier this week", "Older"};

}  // namespace

std::vector<HistoryGroup> HistoryDays::Group(const std::vector<HistoryVisit>& visits,
                                             const IClock& clock) {
  const std::int64_t today = LocalDays::DayOf(clock.NowMs(), clock);
  const std::int64_t weekStart = today - LocalDays::Weekday(today);
  std::array<HistoryGroup, kGroups> groups;
  std::array<std::unordered_set<std::string_view>, kGroups> listed;
  for (const HistoryVisit& visit : visits) {
    const std::int64_t day = LocalDays::DayOf(visit.visitedMs, clock);
    // A visit the clock puts after today (it was set back since) counts as today's.
    GroupIndex group = kOlder;
    if (day >= today) {
      group = kToday;
    } else if (day == today - 1) {
      group = kYesterday;
    } else if (day >= weekStart) {
      group = kThisWeek;
    }
    if (listed[group].insert(visit.url).second) groups[group].visits.push_back(visit);
  }
  std::vector<HistoryGroup> shown;
  for (int g = 0; g < kGroups; ++g) {
    if (groups[g].visits.empty()) continue;
    groups[g].caption = kCaptions[g];
    shown.push_back(std::move(groups[g]));
  }
  return shown;
}

}  // namespace corvane
