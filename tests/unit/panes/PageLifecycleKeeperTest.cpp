#include "panes/PageLifecycleKeeper.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeTimer.h"
#include "PagesRig.h"

namespace corvane {
namespace {

using std::chrono::minutes;
using Lifecycles = std::vector<PageLifecycle>;

TEST(PageLifecycleKeeperTest, HiddenPagesAreFrozenThenGiveUpTheirViewAndLoadAgainWhenShown) {
  BothPanesRig both;
  FakeTimer timer;
  PageLifecycleKeeper keeper(timer, both.clock, both.top.pages, both.bottom.pages);
  EXPECT_TRUE(timer.Enabled());
  PanePages& pages = both.top.pages;
  pages.OpenLinkedPage("http://a/", PageOpening::Behind);
  FakePageView* hidden = &both.top.view(1);
  hidden->load("http://a/", "A");
  hidden->engineHistory = "history of a";
  FakePageView& shown = both.top.view(0);
  PaneSnapshot restored;
  restored.pages = {{"http://r/", "R", {}, ""}, {"http://w/", "W", {}, ""}};
  both.bottom.pages.OpenLinkedPage("", PageOpening::Behind);
  both.bottom.pages.Restore(restored);  // the bottom's waiting page has nothing to freeze

  both.clock.advance(minutes(9));
  timer.tick();
  EXPECT_TRUE(hidden->lifecycles.empty());
  both.clock.advance(minutes(1));
  timer.tick();
  timer.tick();
  EXPECT_EQ(hidden->lifecycles, Lifecycles{PageLifecycle::Frozen});
  both.clock.advance(minutes(50));
  timer.tick();
  // Discarded: the view is gone, the tab and what the page will load stay.
  EXPECT_EQ(pages.ViewAt(1), nullptr);
  EXPECT_EQ(both.top.views.alive().size(), 1u);
  EXPECT_EQ(pages.LifecycleAt(1), PageLifecycle::Discarded);
  EXPECT_EQ(both.top.tabs.tab(1).title, "A");
  EXPECT_EQ(pages.Snapshot().pages[1].engineHistory, "history of a");
  EXPECT_TRUE(shown.lifecycles.empty());
  EXPECT_EQ(both.bottom.pages.LifecycleAt(1), PageLifecycle::Discarded);
  EXPECT_EQ(both.bottom.pages.ViewAt(1), nullptr);
  EXPECT_EQ(both.bottom.pages.ViewAt(3), nullptr);

  pages.ShowPage(1);
  hidden = &both.top.view(1);
  EXPECT_EQ(hidden->restored, std::vector<std::string>{"history of a"});
  EXPECT_EQ(pages.LifecycleAt(1), PageLifecycle::Active);
  // Hidden for a long time at once, a page is discarded at the next look.
  EXPECT_TRUE(shown.lifecycles.empty());
  both.clock.advance(minutes(120));
  timer.tick();
  EXPECT_EQ(pages.ViewAt(0), nullptr);
  EXPECT_EQ(pages.LifecycleAt(0), PageLifecycle::Discarded);
}

TEST(PageLifecycleKeeperTest, APageWaitingForTheUserKeepsRunning) {
  BothPanesRig both;
  FakeTimer timer;
  PageLifecycleKeeper keeper(timer, both.clock, both.top.pages, both.bottom.pages);
  PanePages& pages = both.top.pages;
  IPageView& waiting = pages.OpenLinkedPage("http://a/", PageOpening::Behind);
  pages.SetPageMarked(waiting, true);
  both.clock.advance(minutes(120));
  timer.tick();
  EXPECT_EQ(pages.ViewAt(1), &waiting);
  EXPECT_TRUE(FakePageViews::fake(waiting).lifecycles.empty());
  // Answered: its time has long come.
  pages.SetPageMarked(waiting, false);
  timer.tick();
  EXPECT_EQ(pages.ViewAt(1), nullptr);
}

TEST(PageLifecycleKeeperTest, TheChosenTimesCountAndZeroIsNever) {
  const LifecycleTimes defaults;
  EXPECT_EQ(LifecycleAfter(minutes(9), defaults), PageLifecycle::Active);
  EXPECT_EQ(LifecycleAfter(minutes(10), defaults), PageLifecycle::Frozen);
  EXPECT_EQ(LifecycleAfter(minutes(60), defaults), PageLifecycle::Discarded);
  EXPECT_EQ(LifecycleAfter(minutes(1000), {minutes(0), minutes(0)}), PageLifecycle::Active);
  EXPECT_EQ(LifecycleAfter(minutes(5), {minutes(0), minutes(5)}), PageLifecycle::Discarded);
  EXPECT_EQ(LifecycleAfter(minutes(5), {minutes(5), minutes(0)}), PageLifecycle::Frozen);
}

}  // namespace
}  // namespace corvane
