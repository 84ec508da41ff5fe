#include "panes/PanePages.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "PagesRig.h"
#include "TempDir.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

// What the pane's own controls show.
auto paneShows(const PagesRig& r) {
  return std::make_tuple(r.box.entries(), r.box.Text(), r.label.Caption(), r.bar.Value(),
                         r.timer.Enabled(), r.toolbar.ButtonEnabled(1), r.toolbar.ButtonEnabled(2),
                         r.pane.LocalFile, r.pane.PathName);
}

TEST(PanePagesTest, APaneStartsOnOneBlankPageAndItsStripShowsWithMoreOrAlways) {
  BothPanesRig both;
  PagesRig& rig = both.top;
  EXPECT_EQ(rig.pages.Count(), 1);
  EXPECT_EQ(rig.tabs.titles(), Strings{"New Page"});
  EXPECT_FALSE(rig.tabs.visible());
  rig.pages.SetStripAlways(true);
  EXPECT_TRUE(rig.tabs.visible());
  rig.pages.SetStripAlways(false);

  // Ctrl+T: a blank page at the end, shown, and the address box ready for typing.
  rig.pages.OpenLinkedPage("http://a/", PageOpening::Behind);
  rig.views.clearCalls();
  rig.pages.NewPage();
  EXPECT_EQ(rig.pages.Shown(), 2);
  EXPECT_EQ(rig.tabs.current(), 2);
  EXPECT_TRUE(rig.tabs.visible());
  EXPECT_EQ(rig.views.calls(), (Strings{"Create:3", "Show:3", "FocusAddressBox"}));
  EXPECT_EQ(rig.label.announced(), Strings{"Page 3 of 3, New Page"});
  rig.pages.ClosePage(2);
  rig.pages.ClosePage(1);
  EXPECT_FALSE(rig.tabs.visible());
}

// The shown page's control is the pane's control: every rule of the pane holds for it as for
// a pane of one page.
TEST(PanePagesTest, ThePaneDrivesAndFollowsThePageItShows) {
  BothPanesRig both;
  PagesRig& rig = both.top;
  rig.box.SetText("http://typed/");
  rig.controller.navigation().cboAddress_Click();
  EXPECT_EQ(rig.shown().control.navigations(), Strings{"http://typed/"});
  rig.shown().load("http://typed/", "Typed");
  EXPECT_EQ(rig.box.entries(), Strings{"http://typed/"});
  EXPECT_EQ(rig.label.Caption(), "Page Title: Typed");
  EXPECT_EQ(rig.tabs.titles(), Strings{"Typed"});
  rig.shown().control.eventSink()->CommandStateChange(CSC_NAVIGATEBACK, true);
  EXPECT_TRUE(rig.toolbar.ButtonEnabled(1));
}

TEST(PanePagesTest, PagesOpenedBehindLineUpAfterThePageThatOpenedThem) {
  BothPanesRig both;
  PagesRig& rig = both.top;
  rig.pages.OpenLinkedPage("http://a/", PageOpening::Behind);
  rig.pages.OpenLinkedPage("http://b/", PageOpening::Behind);
  EXPECT_EQ(rig.pages.Shown(), 0);
  EXPECT_EQ(rig.view(1).control.navigations(), Strings{"http://a/"});
  EXPECT_EQ(rig.view(2).control.navigations(), Strings{"http://b/"});
  // Once the user has moved on, a link opens right after the page it came from.
  rig.pages.ShowPage(2);
  rig.pages.ShowPage(0);
  rig.pages.OpenLinkedPage("http://c/", PageOpening::Behind);
  EXPECT_EQ(rig.view(1).control.navigations(), Strings{"http://c/"});
  EXPECT_EQ(rig.pages.Count(), 4);
  // The engine's own new window: a page in front that the engine then loads, its address in
  // the box meanwhile.
  IPageView& view = rig.pages.OpenLinkedPage("http://d/", PageOpening::InFront, PageLoad::ByEngine);
  EXPECT_EQ(rig.pages.IndexOf(view), 2);
  EXPECT_EQ(rig.pages.Shown(), 2);
  EXPECT_TRUE(FakePageViews::fake(view).control.navigations().empty());
  EXPECT_EQ(rig.box.Text(), "http://d/");
}

// A page the pane does not show changes only its tab; shown again, the pane shows what became of
// it, and the page left keeps what the pane showed of it, typed text included.
TEST(PanePagesTest, AHiddenPageChangesOnlyItsTabAndThePaneShowsItsStateWhenShown) {
  BothPanesRig both;
  PagesRig& rig = both.top;
  rig.shown().load("http://first/", "First");
  rig.box.SetText("half-typed");
  rig.bar.SetValue(300);
  rig.pages.OpenLinkedPage("http://second/", PageOpening::Behind);
  FakePageView& hidden = rig.view(1);
  const auto before = paneShows(rig);
  const Strings announcedBefore = rig.label.announced();

  hidden.control.setBusy(true);
  hidden.control.eventSink()->ProgressChange(10, 100);
  EXPECT_TRUE(rig.tabs.tab(1).loading);
  hidden.control.eventSink()->CommandStateChange(CSC_NAVIGATEBACK, true);
  hidden.control.eventSink()->StatusTextChange("Waiting for second");
  hidden.load("http://second/", "Second");
  EXPECT_EQ(paneShows(rig), before);
  EXPECT_EQ(rig.label.announced(), announcedBefore);
  EXPECT_EQ(rig.tabs.titles(), (Strings{"First", "Second"}));
  EXPECT_FALSE(rig.tabs.tab(1).loading);

  rig.pages.ShowPage(1);
  EXPECT_EQ(rig.box.Text(), "http://second/");
  EXPECT_EQ(rig.label.Caption(), "Page Title: Second");
  EXPECT_EQ(rig.bar.Value(), 0);
  EXPECT_TRUE(rig.toolbar.ButtonEnabled(1));
  EXPECT_FALSE(rig.toolbar.ButtonEnabled(2));
  EXPECT_EQ(rig.box.entries(), Strings{"http://first/"});
  EXPECT_EQ(rig.label.announced().back(), "Page 2 of 2, Second");
  EXPECT_EQ(rig.views.shown(), &hidden);

  // Now the first page is the hidden one: its load no longer reaches the pane.
  rig.view(0).load("http://elsewhere/", "Elsewhere");
  EXPECT_EQ(rig.label.Caption(), "Page Title: Second");
  rig.pages.ShowPage(0);
  EXPECT_EQ(rig.box.Text(), "http://elsewhere/");
  EXPECT_EQ(rig.label.Caption(), "Page Title: Elsewhere");
  rig.pages.ShowPage(1);
  rig.box.SetText("half-typed");
  rig.pages.ShowPage(0);
  rig.pages.ShowPage(1);
  EXPECT_EQ(rig.box.Text(), "half-typed");
}

TEST(PanePagesTest, FolderViewBelongsToThePageThatOpenedIt) {
  BothPanesRig both;
  PagesRig& rig = both.top;
  TempDir folder;
  for (const char* name : {"a.html", "b.html"}) folder.writeFile(name, "");
  rig.pane.LocalFile = true;
  rig.pane.PathName = folder.path().string() + "/";
  rig.pane.File.SetPath(rig.pane.PathName);
  rig.toolbar.SetButtonEnabled(1, true);
  rig.pages.OpenLinkedPage("http://other/", PageOpening::InFront);
  EXPECT_FALSE(rig.pane.LocalFile);
  EXPECT_EQ(rig.pane.File.ListCount(), 0);
  EXPECT_FALSE(rig.toolbar.ButtonEnabled(1));

  rig.pages.ShowPage(0);
  EXPECT_TRUE(rig.pane.LocalFile);
  EXPECT_EQ(rig.pane.File.ListCount(), 2);
  EXPECT_TRUE(rig.toolbar.ButtonEnabled(1));
  // A plain web page loaded while hidden ends folder view for that page alone.
  rig.pages.ShowPage(1);
  rig.view(0).control.eventSink()->CommandStateChange(CSC_NAVIGATEFORWARD, true);
  rig.view(0).control.setLocationURL("http://web/");
  rig.view(0).control.eventSink()->NavigateComplete2();
  rig.view(0).control.eventSink()->DownloadComplete();
  rig.pages.ShowPage(0);
  EXPECT_FALSE(rig.pane.LocalFile);
  EXPECT_FALSE(rig.toolbar.ButtonEnabled(1));
  EXPECT_TRUE(rig.toolbar.ButtonEnabled(2));
}

TEST(PanePagesTest, ClosingShowsTheOpenerOrANeighbourAndTheLastLeavesABlankPage) {
  BothPanesRig both;
  PagesRig& rig = both.top;
  for (const char* title : {"1", "2", "3"}) {
    rig.pages.OpenLinkedPage("", PageOpening::Behind);
    rig.view(rig.pages.Count() - 1).load(std::string("http://") + title + "/", title);
  }
  // A page opened in front and closed at once goes back to where the user was.
  rig.pages.ShowPage(2);
  rig.pages.OpenLinkedPage("http://x/", PageOpening::InFront);
  EXPECT_EQ(rig.pages.Shown(), 3);
  rig.pages.ClosePage(3);
  EXPECT_EQ(rig.pages.Shown(), 2);
  // Else the right neighbour, and at the end the left one.
  rig.pages.ClosePage(2);
  EXPECT_EQ(rig.pages.Shown(), 2);
  EXPECT_EQ(rig.label.announced().back(), "Page 3 of 3, 3");
  rig.pages.ClosePage(2);
  EXPECT_EQ(rig.pages.Shown(), 1);
  EXPECT_EQ(rig.views.alive().size(), 2u);

  rig.pages.ClosePage(0);
  rig.pages.ClosePage(0);
  EXPECT_EQ(rig.pages.Count(), 1);
  EXPECT_EQ(rig.views.alive().size(), 1u);
  EXPECT_TRUE(rig.shown().control.navigations().empty());
  EXPECT_EQ(rig.tabs.titles(), Strings{"New Page"});
  EXPECT_EQ(rig.label.announced().back(), "Page 1 of 1, New Page");
}

TEST(PanePagesTest, AClosedPageComesBackWhereItWasWithItsHistory) {
  BothPanesRig both;
  PagesRig& rig = both.top;
  rig.pages.OpenLinkedPage("http://b/", PageOpening::Behind);
  rig.pages.OpenLinkedPage("http://c/", PageOpening::Behind);
  FakePageView& b = rig.view(1);
  b.load("http://b/", "B");
  rig.view(2).load("http://c/", "C");
  b.history = {{{"http://a/", "A"}, {"http://b/", "B"}}, 1};
  b.engineHistory = std::string("\0\1engine", 8);
  rig.pages.ClosePage(1);
  rig.pages.ClosePage(1);

  EXPECT_TRUE(rig.pages.ReopenClosedPage());  // c
  EXPECT_TRUE(rig.pages.ReopenClosedPage());  // b, before it
  EXPECT_EQ(rig.pages.Shown(), 1);
  EXPECT_EQ(rig.shown().restored, Strings{std::string("\0\1engine", 8)});
  EXPECT_TRUE(rig.shown().control.navigations().empty());
  EXPECT_EQ(rig.box.Text(), "http://b/");
  EXPECT_EQ(rig.tabs.titles(), (Strings{"New Page", "B", "C"}));
  EXPECT_EQ(rig.view(2).control.navigations(), Strings{"http://c/"});
  EXPECT_FALSE(rig.pages.ReopenClosedPage());

  // A record the engine refuses still has its address.
  rig.shown().control.setLocationURL("http://b/");
  rig.pages.ClosePage(1);
  rig.views.refuseRestore = true;
  EXPECT_TRUE(rig.pages.ReopenClosedPage());
  EXPECT_EQ(rig.shown().restored.size(), 1u);
  EXPECT_EQ(rig.shown().control.navigations(), Strings{"http://b/"});
}

TEST(PanePagesTest, KeysSwitchPagesRoundAndByPlace) {
  BothPanesRig both;
  PagesRig& rig = both.top;
  for (int i = 0; i < 9; ++i) rig.pages.OpenLinkedPage("", PageOpening::Behind);
  rig.pages.ShowPreviousPage();
  EXPECT_EQ(rig.pages.Shown(), 9);
  rig.pages.ShowNextPage();
  EXPECT_EQ(rig.pages.Shown(), 0);
  const std::tuple<int, int> places[] = {{8, 7}, {1, 0}, {9, 9}, {0, 9}, {10, 9}};
  for (const auto& [number, shown] : places) {
    rig.pages.ShowPageNumber(number);
    EXPECT_EQ(rig.pages.Shown(), shown) << number;
  }
  EXPECT_EQ(rig.label.announced().back(), "Page 10 of 10, New Page");
  // Only a page with a view behind it is ever made to wait, and marked.
  rig.pages.SetPageMarked(*rig.pages.ViewAt(3), true);
  EXPECT_TRUE(rig.tabs.tab(3).marked);
}

// Restored pages cost only their tabs until shown; what they keep is saved again unchanged.
TEST(PanePagesTest, RestoredPagesLoadWhenShownAndReplaceALonePage) {
  BothPanesRig both;
  PagesRig& rig = both.top;
  rig.shown().load("http://home/", "Home");
  PaneSnapshot saved;
  saved.pages = {{"http://a/", "A", {{{"http://a/", "A"}}, 0}, "engine-a"},
                 {"http://b/", "B", {{{"http://z/", "Z"}, {"http://b/", "B"}}, 1}, "engine-b"},
                 {"http://c/", "", {}, ""}};
  saved.shown = 1;
  rig.pages.Restore(saved);
  EXPECT_EQ(rig.tabs.titles(), (Strings{"A", "B", "http://c/"}));
  EXPECT_EQ(rig.pages.Shown(), 1);
  EXPECT_EQ(rig.views.alive().size(), 1u);
  EXPECT_EQ(rig.shown().restored, Strings{"engine-b"});
  EXPECT_EQ(rig.box.Text(), "http://b/");
  EXPECT_EQ(rig.pages.ViewAt(0), nullptr);
  rig.shown().history = saved.pages[1].history;
  rig.shown().control.setLocationURL("http://b/");
  rig.shown().control.setLocationName("B");
  EXPECT_EQ(rig.pages.Snapshot(), saved);

  rig.pages.ShowPage(2);
  EXPECT_EQ(rig.shown().control.navigations(), Strings{"http://c/"});
  // The home page the restore replaced can be reopened.
  EXPECT_TRUE(rig.pages.ReopenClosedPage());
  EXPECT_EQ(rig.pages.TitleAt(0), "Home");
}

TEST(PanePagesTest, ForgettingHistoryKeepsEachPagesCurrentEntryAndNoClosedPages) {
  BothPanesRig both;
  PagesRig& rig = both.top;
  rig.shown().history = {{{"http://1/", "1"}, {"http://2/", "2"}}, 1};
  PaneSnapshot saved;
  saved.pages = {{"http://b/", "B", {{{"http://a/", "A"}, {"http://b/", "B"}}, 1}, "engine"}};
  rig.pages.Restore(saved);  // the lone page goes to the closed pages
  rig.shown().history = saved.pages[0].history;
  rig.pages.OpenLinkedPage("http://w/", PageOpening::Behind);
  int changes = 0;
  rig.pages.SetOnChanged([&] { ++changes; });
  rig.pages.ForgetHistory();
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(rig.pages.ReopenClosedPage());
  const PaneSnapshot now = rig.pages.Snapshot();
  EXPECT_EQ(now.pages[0].history, (PageHistory{{{"http://b/", "B"}}, 0}));
  EXPECT_EQ(now.pages[0].engineHistory, "cleared");
  EXPECT_EQ(rig.view(1).historyClears, 1);
}

}  // namespace
}  // namespace corvane
