#include "panes/PageLifecycleKeeper.h"

#include <gtest/gtest.h>

#include <vector>

#include "FakeTimer.h"
#include "PagesRig.h"

namespace corvane {
namespace {

using std::chrono::minutes;
using Lifecycles = std::vector<PageLifecycle>;

TEST(PageLifecycleKeeperTest, HiddenPagesAreFrozenThenDiscardedAndRunAgainWhenShown) {
  BothPanesRig both;
  FakeTimer timer;
  PageLifecycleKeeper keeper(timer, both.clock, both.top.pages, both.bottom.pages);
  EXPECT_TRUE(timer.Enabled());
  PanePages& pages = both.top.pages;
  pages.OpenLinkedPage("http://a/", PageOpening::Behind);
  FakePageView& hidden = both.top.view(1);
  FakePageView& shown = both.top.view(0);
  PaneSnapshot restored;
  restored.pages = {{"http://r/", "R", {}, ""}, {"http://w/", "W", {}, ""}};
  both.bottom.pages.OpenLinkedPage("", PageOpening::Behind);
  both.bottom.pages.Restore(restored);  // the bottom's waiting page has nothing to freeze

  both.clock.advance(minutes(9));
  timer.tick();
  EXPECT_TRUE(hidden.lifecycles.empty());
  both.clock.advance(minutes(1));
  timer.tick();
  timer.tick();
  EXPECT_EQ(hidden.lifecycles, Lifecycles{PageLifecycle::Frozen});
  both.clock.advance(minutes(50));
  timer.tick();
  EXPECT_EQ(hidden.lifecycles, (Lifecycles{PageLifecycle::Frozen, PageLifecycle::Discarded}));
  EXPECT_TRUE(shown.lifecycles.empty());
  EXPECT_EQ(both.bottom.pages.LifecycleAt(1), PageLifecycle::Discarded);
  EXPECT_EQ(both.bottom.pages.ViewAt(3), nullptr);

  pages.ShowPage(1);
  EXPECT_EQ(hidden.lifecycles.back(), PageLifecycle::Active);
  // Hidden for a long time at once, a page still goes through frozen.
  both.clock.advance(minutes(120));
  timer.tick();
  EXPECT_EQ(shown.lifecycles, (Lifecycles{PageLifecycle::Frozen, PageLifecycle::Discarded}));
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
