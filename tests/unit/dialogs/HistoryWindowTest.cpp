#include "dialogs/HistoryWindow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeClock.h"
#include "PaneRig.h"
#include "RecordingHistoryNotices.h"
#include "TempDir.h"
#include "history/LocalDays.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

constexpr std::int64_t kHour = FakeClock::kHourMs;
constexpr std::int64_t kDay = FakeClock::kDayMs;
// Local time is two hours ahead of UTC; today is a Thursday.
constexpr std::int64_t kOffset = 2 * kHour;
constexpr std::int64_t kToday = 19999;

// A moment of local time: days from today, hours into that day.
constexpr std::int64_t local(std::int64_t days, double hours) {
  return (kToday + days) * kDay + static_cast<std::int64_t>(hours * kHour) - kOffset;
}

struct Rig {
  Rig() { clock.set(local(0, 15)); }
  void visit(std::int64_t at, const std::string& url, const std::string& title = "") {
    const std::int64_t now = clock.NowMs();
    clock.set(at);
    history.RecordVisit(url, title);
    clock.set(now);
  }
  // Each group as its caption followed by its pages.
  Strings listed() const {
    Strings rows;
    for (const HistoryGroup& group : window.Groups()) {
      rows.push_back(group.caption + ":");
      for (const HistoryVisit& visit : group.visits) rows.push_back(visit.url);
    }
    return rows;
  }

  TempDir dir;
  FakeClock clock{0, kOffset};
  RecordingHistoryNotices notices;
  History history{(dir.path() / "history.sqlite").string(), clock, notices};
  PaneRig top, bottom{PaneId::Bottom};
  HistoryWindow window{history, clock, top.controller, bottom.controller};
};

TEST(HistoryWindowTest, VisitsAreGroupedByLocalDayNewestFirstEachPageOncePerGroup) {
  ASSERT_EQ(LocalDays::Weekday(kToday), 3);
  Rig rig;
  rig.visit(local(-40, 12), "http://last-month.test/");
  rig.visit(local(-4, 23.9), "http://sunday.test/");
  rig.visit(local(-3, 0.1), "http://monday.test/");
  rig.visit(local(-2, 9), "http://again.test/");
  rig.visit(local(-2, 10), "http://tuesday.test/");
  rig.visit(local(-1, 23.5), "http://yesterday.test/");
  rig.visit(local(0, 0.5), "http://again.test/");  // UTC still has it yesterday
  rig.visit(local(0, 9), "http://today.test/");
  rig.visit(local(0, 10), "http://again.test/");
  rig.visit(local(1, 8), "http://clock-set-back.test/");
  rig.window.Load(PaneId::Top);
  EXPECT_EQ(rig.listed(), (Strings{"Today:", "http://clock-set-back.test/", "http://again.test/",
                                   "http://today.test/", "Yesterday:", "http://yesterday.test/",
                                   "Earlier this week:", "http://tuesday.test/",
                                   "http://again.test/", "http://monday.test/",
                                   "Older:", "http://sunday.test/", "http://last-month.test/"}));
  Rig empty;
  empty.window.Load(PaneId::Top);
  EXPECT_TRUE(empty.window.Groups().empty());
}

TEST(HistoryWindowTest, SearchOpenDeleteAndClearActOnTheListAndThePanes) {
  Rig rig;
  rig.visit(local(-10, 12), "http://old.test/doc", "Old documentation");
  rig.visit(local(0, 1), "http://debian.test/", "Debian");
  rig.visit(local(0, 14.5), "http://recent.test/doc", "Recent documentation");
  rig.window.Load(PaneId::Bottom);
  rig.window.Search("DOC");
  EXPECT_EQ(rig.listed(),
            (Strings{"Today:", "http://recent.test/doc", "Older:", "http://old.test/doc"}));

  rig.window.Activate("http://old.test/doc");
  rig.window.OpenIn(PaneId::Top, "http://debian.test/");
  EXPECT_EQ(rig.bottom.browser.navigations(), Strings{"http://old.test/doc"});
  EXPECT_EQ(rig.bottom.label.Caption(), "Going to http://old.test/doc");
  EXPECT_EQ(rig.top.box.Text(), "http://debian.test/");
  EXPECT_EQ(rig.top.browser.navigations(), Strings{"http://debian.test/"});

  rig.window.Delete({"http://old.test/doc"});
  EXPECT_EQ(rig.listed(), (Strings{"Today:", "http://recent.test/doc"}));
  rig.window.Search("");
  rig.window.Clear(History::Range::LastHour);
  EXPECT_EQ(rig.listed(), (Strings{"Today:", "http://debian.test/"}));
  rig.window.Clear(History::Range::Today);
  EXPECT_TRUE(rig.window.Groups().empty());
  EXPECT_EQ(rig.history.Index().size(), 0u);
}

}  // namespace
}  // namespace corvane
