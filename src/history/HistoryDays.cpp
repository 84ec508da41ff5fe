#include "history/HistoryDays.h"

#include <array>
#include <cstdint>
#include <utility>

#include "history/LocalDays.h"

namespace corvane {

namespace {

enum GroupIndex { kToday, kYesterday, kThisWeek, kOlder, kGroups };
const char* const kCaptions[kGroups] = {"Today", "Yesterday", "Earlier this week", "Older"};

}  // namespace

std::vector<HistoryGroup> HistoryDays::Group(const HistoryVisits& visits, const IClock& clock) {
  const std::int64_t today = LocalDays::DayOf(clock.NowMs(), clock);
  const std::int64_t weekStart = today - LocalDays::Weekday(today);
  std::array<HistoryGroup, kGroups> groups;
  // For each page, the groups it is listed in already, one bit each.
  std::vector<std::uint8_t> listed(visits.pages.size(), 0);
  for (const HistoryVisits::Visit& visit : visits.visits) {
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
    const auto bit = static_cast<std::uint8_t>(1u << group);
    if (listed[visit.page] & bit) continue;
    listed[visit.page] |= bit;
    const HistoryVisits::Page& page = visits.pages[visit.page];
    groups[group].visits.push_back({page.url, page.title, visit.visitedMs});
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
