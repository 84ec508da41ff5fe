#include "panes/PaneNavigation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "PaneRig.h"
#include "TempDir.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

TEST(PaneNavigationTest, ListensToTheControlAndTheTimerOnlyWhileItLives) {
  PaneRig rig;
  {
    const PaneController other(rig.pane, rig.search, rig.visits);
    EXPECT_EQ(rig.browser.eventSink(), &other);
  }
  EXPECT_EQ(rig.browser.eventSink(), nullptr);
  EXPECT_FALSE(rig.timer.hasOnTick());
}

TEST(PaneNavigationTest, EnterOrClickGoesToTheTextAsTypedAndSaysSoEvenIfRefused) {
  PaneRig rig;
  rig.box.SetText(" Example.com/a b ");
  for (int16_t key : {int16_t{'a'}, int16_t{10}, int16_t{13 + 256}}) {
    rig.nav.cboAddress_KeyPress(key);
  }
  EXPECT_TRUE(rig.browser.calls().empty());
  rig.nav.cboAddress_KeyPress(13);
  rig.box.SetText("");
  rig.nav.cboAddress_Click();
  rig.browser.setThrowOnNavigate(true);
  rig.box.SetText("bad:address");
  rig.nav.cboAddress_Click();
  EXPECT_EQ(rig.browser.navigations(), (Strings{" Example.com/a b ", "", "bad:address"}));
  EXPECT_EQ(rig.label.history(),
            (Strings{"Going to  Example.com/a b ", "Going to ", "Going to bad:address"}));
}

TEST(PaneNavigationTest, WordsGoToTheirSearchAddressWhichTheListThenHoldsAsAnyPage) {
  PaneRig rig;
  rig.box.SetText("debian reference manual");
  rig.nav.cboAddress_KeyPress(13);
  const std::string search = "https://search.test/?q=debian%20reference%20manual";
  EXPECT_EQ(rig.browser.navigations(), Strings{search});
  EXPECT_EQ(rig.label.history(), Strings{"Going to debian reference manual"});
  EXPECT_EQ(rig.box.Text(), "debian reference manual");
  rig.completeNavigation(search, "debian reference manual at DuckDuckGo");
  EXPECT_EQ(rig.box.entries(), Strings{search});
  EXPECT_EQ(rig.box.Text(), search);
}

TEST(PaneNavigationTest, CompletedNavigationMovesTheFirstCopyOfItsAddressToTheHead) {
  PaneRig rig;
  for (const char* url : {"http://a.example/", "http://b.example/", "http://a.example/"}) {
    rig.completeNavigation(url, "Title");
  }
  EXPECT_EQ(rig.box.entries(), (Strings{"http://a.example/", "http://b.example/"}));
  EXPECT_EQ(rig.box.listIndex(), 0);
  rig.completeNavigation("http://a.example/", "Reloaded");
  EXPECT_EQ(rig.box.entries(), (Strings{"http://a.example/", "http://b.example/"}));
  EXPECT_EQ(rig.box.Text(), "http://a.example/");
  EXPECT_EQ(rig.label.Caption(), "Page Title: Reloaded");

  // Only the first earlier copy goes, and case counts.
  rig.box.setEntries({"x", "http://H/", "http://h/", "y", "http://h/"});
  rig.completeNavigation("http://h/", "H");
  EXPECT_EQ(rig.box.entries(), (Strings{"http://h/", "x", "http://H/", "y", "http://h/"}));
}

TEST(PaneNavigationTest, EachPageShownIsReportedToTheHistoryWithItsTitleWhenItComes) {
  PaneRig rig;
  rig.completeNavigation("http://a.example/", "http://a.example/");  // no title yet
  rig.browser.setLocationName("A");
  rig.browser.eventSink()->DownloadComplete();
  rig.completeNavigation("view-source:http://a.example/", "view-source:http://a.example/");
  rig.browser.eventSink()->DownloadComplete();
  rig.completeNavigation("http://b.example/#part", "B");
  EXPECT_EQ(rig.visits.reports(), (Strings{"visit http://a.example/ ", "title http://a.example/ A",
                                           "visit http://b.example/#part B"}));
}

// So that View Source can be asked for again, and the list holds addresses a user can go to.
TEST(PaneNavigationTest, ASourceViewIsListedAndShownUnderThePagesOwnAddress) {
  PaneRig rig;
  rig.completeNavigation("http://a.example/", "A");
  rig.completeNavigation("view-source:http://a.example/", "view-source:http://a.example/");
  EXPECT_EQ(rig.box.entries(), Strings{"http://a.example/"});
  EXPECT_EQ(rig.box.Text(), "http://a.example/");
}

// A declined download leaving the box naming the page shown is driven end to end.
TEST(PaneNavigationTest, AnAddressThatBringsNoPageLeavesTheBoxNamingThePageShown) {
  PaneRig rig;
  rig.completeNavigation("http://a.example/", "A");
  // A page that says an address cannot be opened reports that text: it stays for correcting.
  rig.box.SetText("bad:thing");
  rig.nav.cboAddress_Click();
  rig.browser.setLocationURL("bad:thing");
  rig.browser.eventSink()->DownloadComplete();
  EXPECT_EQ(rig.box.Text(), "bad:thing");

  // Text typed while a page loads that was not asked for is the user's.
  rig.box.SetText("http://typing");
  rig.browser.setLocationURL("http://a.example/");
  rig.browser.eventSink()->DownloadComplete();
  EXPECT_EQ(rig.box.Text(), "http://typing");
}

TEST(PaneNavigationTest, ClickRaisedByTheHistoryUpdateIsANoOpForThatPaneOnly) {
  PaneRig top, bottom(PaneId::Bottom);
  top.box.setOnClick([&] {
    top.nav.cboAddress_Click();
    bottom.nav.cboAddress_Click();
    throw std::runtime_error("selection refused");  // a failing step does not stop the rest
  });
  bottom.box.SetText("http://bottom.example/");
  top.completeNavigation("http://top.example/", "Top");
  EXPECT_TRUE(top.browser.navigations().empty());
  EXPECT_EQ(bottom.browser.navigations(), Strings{"http://bottom.example/"});
  EXPECT_EQ(top.label.Caption(), "Page Title: Top");

  top.box.setOnClick(nullptr);
  top.nav.cboAddress_Click();
  EXPECT_EQ(top.browser.navigations(), Strings{"http://top.example/"});
}

TEST(PaneNavigationTest, StatusTextShowsOnlyWhileBusyAndNeverDone) {
  PaneRig rig;
  rig.label.SetCaption("Page Title: T");
  rig.browser.setBusy(true);
  rig.browser.eventSink()->StatusTextChange("Done");
  EXPECT_EQ(rig.label.Caption(), "Page Title: T");
  rig.browser.eventSink()->StatusTextChange("done");
  EXPECT_EQ(rig.label.Caption(), "done");
  rig.browser.setBusy(false);
  rig.browser.eventSink()->StatusTextChange("http://hovered.example/");
  EXPECT_EQ(rig.label.Caption(), "done");
}

TEST(PaneNavigationTest, ProgressFollowsTheControlWithinTheBarsRange) {
  const float kept = 123, max = FakeProgressBar::kMax;
  const std::tuple<int32_t, int32_t, float> cases[] = {{-1, 0, 0},
                                                       {0, 100, 0},
                                                       {50, 10, kept},
                                                       {1, 0, kept},
                                                       {1, 1, 1},
                                                       {1000000, 1000000, max},
                                                       {2000000, 3000000, max},
                                                       {INT32_MAX, INT32_MAX, max}};
  PaneRig rig;
  for (const auto& [progress, progressMax, value] : cases) {
    rig.bar.SetValue(kept);
    rig.browser.eventSink()->ProgressChange(progress, progressMax);
    EXPECT_EQ(rig.bar.Value(), value) << progress << " of " << progressMax;
  }
}

TEST(PaneNavigationTest, DownloadShowsTheTitleOrInFolderViewTheFileCount) {
  PaneRig rig;
  TempDir folder;
  for (const char* name : {"a.html", "b.jpg", "c.txt"}) folder.writeFile(name, "");
  rig.pane.File.SetPath(folder.path().string());
  rig.browser.setLocationName("Title");
  const auto download = [&](const char* address) {
    rig.label.SetCaption("");
    rig.box.SetText(address);
    rig.browser.eventSink()->DownloadComplete();
    return rig.label.Caption();
  };
  for (const char* address : {"http://a.example/", "/home/u/a.jpg"}) {
    EXPECT_EQ(download(address), "Page Title: Title") << address;
    EXPECT_FALSE(rig.pane.LocalFile) << address;
  }

  const std::string folderView =
      "View folder contents (3 files total) is on. Use back and forward navigation buttons to "
      "view contents of this folder.";
  rig.pane.LocalFile = true;
  EXPECT_EQ(download("https://secure.example/"), folderView);
  EXPECT_EQ(download("/home/u/a.jpg"), folderView);
  EXPECT_TRUE(rig.pane.LocalFile);
  // A plain web address anywhere in the text, in any case, ends folder view.
  for (const char* address : {"HtTp://A.EXAMPLE/", "file:///x?u=http://y"}) {
    rig.pane.LocalFile = true;
    EXPECT_EQ(download(address), "Page Title: Title") << address;
    EXPECT_FALSE(rig.pane.LocalFile) << address;
  }
}

TEST(PaneNavigationTest, ScreenReadersHearEachLoadOnceAndWhereTheFocusWent) {
  PaneRig rig;
  rig.box.SetText("http://a.example/");
  rig.browser.setLocationName("A");
  rig.browser.eventSink()->DownloadComplete();
  rig.browser.eventSink()->DownloadComplete();  // a frame of the same page finishing
  rig.browser.setBusy(true);
  rig.browser.eventSink()->StatusTextChange("Loading");
  rig.browser.eventSink()->DownloadComplete();  // the same page loaded again is news again
  rig.nav.PageFocused();
  EXPECT_EQ(rig.label.announced(), (Strings{"Page loaded: A", "Page loaded: A", "Top pane, A"}));
}

TEST(PaneNavigationTest, PollTickReportsWorkUntilTheControlIsIdle) {
  PaneRig rig;
  EXPECT_FALSE(rig.timer.tick());
  rig.nav.startStatusPoll();
  rig.browser.setBusy(true);
  EXPECT_TRUE(rig.timer.tick());
  EXPECT_EQ(rig.label.Caption(), "Browser Status: Working...");
  rig.browser.setBusy(false);
  rig.browser.setLocationName("Loaded");
  EXPECT_TRUE(rig.timer.tick());
  EXPECT_EQ(rig.label.Caption(), "Page Title: Loaded");
  EXPECT_FALSE(rig.timer.tick());
}

}  // namespace
}  // namespace corvane
