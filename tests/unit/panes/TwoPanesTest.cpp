#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "PagesRig.h"
#include "PaneRig.h"
#include "panes/PageMoves.h"
#include "panes/PaneFocus.h"
#include "panes/PaneSwap.h"
#include "panes/ScrollSync.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

// What a pane shows of its page, its buttons included.
auto shown(const PaneRig& r) {
  return std::make_tuple(r.box.entries(), r.box.Text(), r.label.Caption(), r.bar.Value(),
                         r.timer.Enabled(), r.pane.LocalFile, r.pane.PathName,
                         r.toolbar.ButtonEnabled(1), r.toolbar.ButtonEnabled(2));
}

// Everything a pane shows of its page travels with the page; the home pages stay with the place,
// and rewriting the lists opens nothing.
TEST(PaneSwapTest, WhatThePanesShowOfTheirPagesChangesPlaces) {
  PaneRig top(PaneId::Top);
  PaneRig bottom(PaneId::Bottom);
  top.pane.StartingAddress = "http://home.top/";
  bottom.pane.StartingAddress = "http://home.bottom/";
  // The top pane: three entries, a load under way, Back only.
  top.box.setEntries({"http://a/3", "http://a/2", "http://a/1"});
  top.box.SetText("http://a/3");
  top.label.SetCaption("Loading http://a/3...");
  top.bar.SetValue(250000);
  top.timer.SetEnabled(true);
  top.controller.CommandStateChange(CSC_NAVIGATEBACK, true);
  top.controller.CommandStateChange(CSC_NAVIGATEFORWARD, false);
  // The bottom pane: in folder view on its first file, its history allowing both ways.
  bottom.box.setEntries({"file:///f/b.html"});
  bottom.box.SetText("typed, not yet opened");
  bottom.label.SetCaption("Page Title: b");
  bottom.controller.CommandStateChange(CSC_NAVIGATEBACK, true);
  bottom.controller.CommandStateChange(CSC_NAVIGATEFORWARD, true);
  bottom.pane.LocalFile = true;
  bottom.pane.PathName = "/f/";
  bottom.toolbar.SetButtonEnabled(1, false);
  bottom.toolbar.SetButtonEnabled(2, true);
  int clicks = 0;
  top.box.setOnClick([&] { ++clicks; });

  const auto topBefore = shown(top), bottomBefore = shown(bottom);
  SwapPaneState(top.controller, bottom.controller);

  EXPECT_EQ(shown(top), bottomBefore);
  EXPECT_EQ(shown(bottom), topBefore);
  EXPECT_EQ(top.pane.StartingAddress, "http://home.top/");
  EXPECT_EQ(bottom.pane.StartingAddress, "http://home.bottom/");
  EXPECT_FALSE(top.pane.ListUpdate || bottom.pane.ListUpdate);
  EXPECT_TRUE(top.browser.calls().empty() && bottom.browser.calls().empty());
  EXPECT_EQ(clicks, 0);

  // The history behind the buttons moved too: when folder view ends in the top pane, its
  // buttons show what the bottom pane's history allowed.
  top.pane.LocalFile = false;
  top.controller.toolbar().FolderViewEnded();
  EXPECT_TRUE(top.toolbar.ButtonEnabled(1));
  EXPECT_TRUE(top.toolbar.ButtonEnabled(2));
}

// The "other pane" key, and the focus once a view mode has hidden a pane, only ever go to a pane
// that shows.
TEST(PaneFocusTest, TheFocusGoesToAPaneThatShows) {
  const std::optional<PaneId> none, top = PaneId::Top, bottom = PaneId::Bottom;
  const struct {
    std::optional<PaneId> focused;
    bool topShown, bottomShown;
    std::optional<PaneId> otherPane, afterViewMode;
  } cases[] = {
      {top, true, true, bottom, none},    {bottom, true, true, top, none},
      {none, true, true, top, none},      {top, true, false, top, none},
      {bottom, true, false, top, top},    {none, false, true, bottom, none},
      {top, false, true, bottom, bottom}, {top, false, false, none, none},
  };
  for (const auto& c : cases) {
    const int focused = c.focused ? static_cast<int>(*c.focused) : -1;
    EXPECT_EQ(OtherPaneTarget(c.focused, c.topShown, c.bottomShown), c.otherPane)
        << focused << c.topShown << c.bottomShown;
    EXPECT_EQ(FocusAfterViewMode(c.focused, c.topShown, c.bottomShown), c.afterViewMode)
        << focused << c.topShown << c.bottomShown;
  }
}

// A page moved to the other pane goes as it is, without a reload, and from then on speaks to
// that pane only; the pane it left shows another page, or a blank one.
TEST(PageMovesTest, APageMovesToTheOtherPaneWithWhatItShowsAndWithoutAReload) {
  BothPanesRig both;
  PagesRig &top = both.top, &bottom = both.bottom;
  top.pages.OpenLinkedPage("http://kept/", PageOpening::InFront);
  FakePageView& moving = top.shown();
  moving.load("http://moved/", "Moved");
  moving.control.eventSink()->CommandStateChange(CSC_NAVIGATEBACK, true);
  moving.control.clearCalls();
  const auto bottomList = bottom.box.entries();

  MovePageToOtherPane(top.pages, top.pages.Shown(), bottom.pages);
  EXPECT_TRUE(moving.control.calls().empty());
  EXPECT_TRUE(moving.restored.empty());
  EXPECT_EQ(bottom.views.calls(), (Strings{"Create:1", "Show:1", "Adopt:2", "Show:2"}));
  EXPECT_EQ(bottom.views.shown(), &moving);
  EXPECT_EQ(bottom.pages.Shown(), 1);
  EXPECT_EQ(bottom.tabs.titles(), (Strings{"New Page", "Moved"}));
  EXPECT_EQ(bottom.box.Text(), "http://moved/");
  EXPECT_EQ(bottom.label.Caption(), "Page Title: Moved");
  EXPECT_TRUE(bottom.toolbar.ButtonEnabled(1));
  EXPECT_EQ(bottom.box.entries(), bottomList);
  EXPECT_EQ(top.pages.Count(), 1);
  EXPECT_EQ(top.views.shown(), &top.view(0));

  moving.load("http://next/", "Next");
  EXPECT_EQ(bottom.label.Caption(), "Page Title: Next");
  EXPECT_EQ(bottom.tabs.titles(), (Strings{"New Page", "Next"}));
  EXPECT_EQ(top.label.Caption(), "");

  // The only page of a pane moved, it is left on a blank page; dropped on a tab, it goes there.
  MovePageToOtherPane(top.pages, 0, bottom.pages, 0);
  EXPECT_EQ(top.pages.Count(), 1);
  EXPECT_EQ(top.tabs.titles(), Strings{"New Page"});
  EXPECT_EQ(bottom.pages.Count(), 3);
  EXPECT_EQ(bottom.pages.Shown(), 0);
}

// Swap Panes with pages: each pane takes the other's pages, tabs and all; a hidden page's
// events then go to its new pane.
TEST(PageMovesTest, SwappedPanesTakeEachOthersPages) {
  BothPanesRig both;
  PagesRig &top = both.top, &bottom = both.bottom;
  top.shown().load("http://t/", "T");
  top.pages.OpenLinkedPage("http://t2/", PageOpening::Behind);
  bottom.shown().load("http://b/", "B");
  FakePageView& hiddenTop = top.view(1);
  SwapPaneState(top.controller, bottom.controller);
  top.pages.SwapPagesWith(bottom.pages);

  EXPECT_EQ(top.tabs.titles(), Strings{"B"});
  EXPECT_EQ(bottom.tabs.titles(), (Strings{"T", "New Page"}));
  EXPECT_EQ(top.box.Text(), "http://b/");
  EXPECT_EQ(bottom.box.Text(), "http://t/");
  hiddenTop.load("http://t2/", "T2");
  EXPECT_EQ(bottom.tabs.titles(), (Strings{"T", "T2"}));
  bottom.pages.ShowPage(1);
  EXPECT_EQ(bottom.box.Text(), "http://t2/");
  EXPECT_EQ(top.box.Text(), "http://b/");
  top.shown().load("http://b2/", "B2");
  EXPECT_EQ(top.label.Caption(), "Page Title: B2");
}

TEST(PageMovesTest, ALinkedPageGoesToTheOtherPaneOnlyWhenSentThereAndShown) {
  const PaneId top = PaneId::Top, bottom = PaneId::Bottom;
  EXPECT_EQ(PaneForLinkedPage(top, true, true), bottom);
  EXPECT_EQ(PaneForLinkedPage(bottom, true, true), top);
  EXPECT_EQ(PaneForLinkedPage(top, true, false), top);
  EXPECT_EQ(PaneForLinkedPage(bottom, false, true), bottom);
}

TEST(ScrollSyncTest, TheOtherPageFollowsByFractionAndItsEchoesGoNoFurther) {
  // Switched on and off, the pages follow each other both ways: end to end.
  ScrollSync sync;
  sync.SetEnabled(true);
  EXPECT_EQ(sync.Scrolled(PaneId::Top, {250, 1000}, {0, 4000}), 1000);
  // A quick scroll sends several before the first arrives; each echo, even one the page skipped
  // past, goes no further.
  EXPECT_EQ(sync.Scrolled(PaneId::Top, {500, 1000}, {1000, 4000}), 2000);
  EXPECT_EQ(sync.Scrolled(PaneId::Top, {1000, 1000}, {1000, 4000}), 4000);
  EXPECT_EQ(sync.Scrolled(PaneId::Bottom, {1000.5, 4000}, {1000, 1000}), std::nullopt);
  EXPECT_EQ(sync.Scrolled(PaneId::Bottom, {4000, 4000}, {1000, 1000}), std::nullopt);
  // Once they have come, the bottom page scrolled by the user leads in turn.
  EXPECT_EQ(sync.Scrolled(PaneId::Bottom, {2000, 4000}, {1000, 1000}), 500);
  // A page that cannot scroll follows nothing and is followed from its top; a page already in
  // place is not moved.
  EXPECT_EQ(sync.Scrolled(PaneId::Top, {300, 1000}, {0, 0}), std::nullopt);
  EXPECT_EQ(sync.Scrolled(PaneId::Bottom, {0, 0}, {300, 1000}), 0);
  EXPECT_EQ(sync.Scrolled(PaneId::Top, {700, 1000}, {2801, 4000}), std::nullopt);
  // Swapped pages forget what was on its way.
  sync.Forget();
  EXPECT_EQ(sync.Scrolled(PaneId::Top, {0, 1000}, {2800, 4000}), 0);
}

// Each echo is recognised once: a page's own later scroll to where an echo stood leads again,
// and an echo that never comes (the page skipped it, or a load replaced the page) stands in the
// way of no more than one real scroll, and of none once enough newer ones were asked for.
TEST(ScrollSyncTest, AnEchoIsTakenOnceAndOneThatNeverComesIsNotWaitedForEver) {
  ScrollSync sync;
  sync.SetEnabled(true);
  EXPECT_EQ(sync.Scrolled(PaneId::Top, {250, 1000}, {0, 4000}), 1000);
  EXPECT_EQ(sync.Scrolled(PaneId::Bottom, {1000, 4000}, {250, 1000}), std::nullopt);
  // The user scrolls the bottom page away and back to the echo's place.
  EXPECT_EQ(sync.Scrolled(PaneId::Bottom, {1200, 4000}, {250, 1000}), 300);
  EXPECT_EQ(sync.Scrolled(PaneId::Top, {300, 1000}, {1200, 4000}), std::nullopt);
  EXPECT_EQ(sync.Scrolled(PaneId::Bottom, {1000, 4000}, {300, 1000}), 250);

  // Asked for 2000, the bottom page never echoes it; the user's scrolls there pass after one.
  EXPECT_EQ(sync.Scrolled(PaneId::Top, {500, 1000}, {1000, 4000}), 2000);
  EXPECT_EQ(sync.Scrolled(PaneId::Bottom, {2000, 4000}, {500, 1000}), std::nullopt);
  EXPECT_EQ(sync.Scrolled(PaneId::Bottom, {2400, 4000}, {500, 1000}), 600);
  EXPECT_EQ(sync.Scrolled(PaneId::Top, {600, 1000}, {2400, 4000}), std::nullopt);
  EXPECT_EQ(sync.Scrolled(PaneId::Bottom, {2000, 4000}, {600, 1000}), 500);

  // Many asks whose echoes never come: the oldest is let go, and the user's scroll there leads.
  sync.Forget();
  for (int i = 1; i <= 20; ++i) {
    EXPECT_EQ(sync.Scrolled(PaneId::Top, {i * 10.0, 1000}, {0, 4000}), i * 40.0);
  }
  EXPECT_EQ(sync.Scrolled(PaneId::Bottom, {40, 4000}, {200, 1000}), 10);
}

}  // namespace
}  // namespace corvane
