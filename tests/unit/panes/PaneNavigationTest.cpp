#include "panes/PaneNavigation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "FakeAddressBox.h"
#include "FakeBrowserControl.h"
#include "FakeProgressBar.h"
#include "FakeStatusLine.h"
#include "FakeTimer.h"
#include "TempDir.h"
#include "panes/Pane.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

// One pane's controls, the pane record over them, and its navigation.
struct PaneRig {
  explicit PaneRig(PaneId id = PaneId::Top)
      : pane(id, browser, box, label, bar, timer), nav(pane) {}

  FakeBrowserControl browser;
  FakeAddressBox box;
  FakeStatusLine label;
  FakeProgressBar bar;
  FakeTimer timer{5};
  Pane pane;
  PaneNavigation nav;
};

TEST(PaneNavigationTest, IsTheControlsEventSinkAndTheTimersTickWhileItLives) {
  FakeBrowserControl browser;
  FakeAddressBox box;
  FakeStatusLine label;
  FakeProgressBar bar;
  FakeTimer timer;
  Pane pane(PaneId::Bottom, browser, box, label, bar, timer);
  auto nav = std::make_unique<PaneNavigation>(pane);
  EXPECT_EQ(browser.eventSink(), nav.get());

  browser.setLocationName("Title");
  timer.SetEnabled(true);
  EXPECT_TRUE(timer.tick());
  EXPECT_EQ(label.Caption(), "Page Title: Title");

  nav.reset();
  EXPECT_EQ(browser.eventSink(), nullptr);
  EXPECT_FALSE(timer.hasOnTick());
}

TEST(PaneNavigationTest, EntryGoesToTheTextAsTypedAndSaysSo) {
  PaneRig rig;
  rig.box.SetText(" Example.com/a b ");
  rig.nav.cboAddress_Click();
  EXPECT_EQ(rig.browser.calls(), Strings{"Navigate: Example.com/a b "});
  EXPECT_EQ(rig.label.Caption(), "Going to  Example.com/a b ");

  // An empty box is passed on like any other text.
  rig.box.SetText("");
  rig.nav.cboAddress_Click();
  EXPECT_EQ(rig.browser.navigations(), (Strings{" Example.com/a b ", ""}));
  EXPECT_EQ(rig.label.Caption(), "Going to ");
}

TEST(PaneNavigationTest, OnlyEnterNavigates) {
  PaneRig rig;
  rig.box.SetText("example.org");
  for (int16_t key :
       {int16_t{'a'}, int16_t{10}, int16_t{0}, int16_t{27}, int16_t{-13}, int16_t{269}}) {
    rig.nav.cboAddress_KeyPress(key);
  }
  EXPECT_TRUE(rig.browser.calls().empty());
  EXPECT_TRUE(rig.label.history().empty());

  rig.nav.cboAddress_KeyPress(13);
  EXPECT_EQ(rig.browser.navigations(), Strings{"example.org"});
  EXPECT_EQ(rig.label.Caption(), "Going to example.org");
}

TEST(PaneNavigationTest, EntryDoesNothingWhileTheListIsRewritten) {
  PaneRig rig;
  rig.box.SetText("example.org");
  rig.pane.ListUpdate = true;
  rig.nav.cboAddress_Click();
  rig.nav.cboAddress_KeyPress(13);
  EXPECT_TRUE(rig.browser.calls().empty());
  EXPECT_TRUE(rig.label.history().empty());
}

TEST(PaneNavigationTest, RefusedAddressStillSetsTheStatusLine) {
  PaneRig rig;
  rig.browser.setThrowOnNavigate(true);
  rig.box.SetText("bad:address");
  EXPECT_NO_THROW(rig.nav.cboAddress_Click());
  EXPECT_EQ(rig.browser.navigations(), Strings{"bad:address"});
  EXPECT_EQ(rig.label.Caption(), "Going to bad:address");
}

TEST(PaneNavigationTest, CompletedNavigationMovesItsAddressToTheHeadOfTheList) {
  PaneRig rig;
  rig.browser.finishLoad("http://a.example/", "A");
  rig.browser.finishLoad("http://b.example/", "B");
  rig.browser.finishLoad("http://a.example/", "A again");
  rig.browser.finishLoad("http://a.example/", "reloaded");
  EXPECT_EQ(rig.box.entries(), (Strings{"http://a.example/", "http://b.example/"}));
  EXPECT_EQ(rig.box.listIndex(), 0);
  EXPECT_EQ(rig.box.Text(), "http://a.example/");
  EXPECT_FALSE(rig.pane.ListUpdate);
  // Selecting the head raised the click each time; the flag kept it from navigating.
  EXPECT_TRUE(rig.browser.navigations().empty());
}

TEST(PaneNavigationTest, OnlyTheFirstEarlierCopyIsRemovedAndCaseCounts) {
  PaneRig rig;
  rig.box.setEntries({"x", "http://h/", "y", "http://h/"});
  rig.browser.setLocationURL("http://h/");
  rig.browser.raiseNavigateComplete2();
  EXPECT_EQ(rig.box.entries(), (Strings{"http://h/", "x", "y", "http://h/"}));

  rig.box.setEntries({"http://h/Page"});
  rig.browser.setLocationURL("http://h/page");
  rig.browser.raiseNavigateComplete2();
  EXPECT_EQ(rig.box.entries(), (Strings{"http://h/page", "http://h/Page"}));
}

TEST(PaneNavigationTest, BoxShowsTheReportedAddressAndStatusTheTitle) {
  PaneRig rig;
  rig.box.SetText("example.org");
  rig.nav.cboAddress_Click();
  rig.browser.setLocationURL("https://www.example.org/");
  rig.browser.setLocationName("Example Domain");
  rig.browser.raiseNavigateComplete2();
  EXPECT_EQ(rig.box.Text(), "https://www.example.org/");
  EXPECT_EQ(rig.box.List(0), "https://www.example.org/");
  EXPECT_EQ(rig.label.Caption(), "Page Title: Example Domain");
}

TEST(PaneNavigationTest, ClickRaisedDuringTheHistoryUpdateIsANoOpForThatPaneOnly) {
  PaneRig top(PaneId::Top);
  PaneRig bottom(PaneId::Bottom);
  int clicks = 0;
  top.box.setOnClick([&] {
    ++clicks;
    top.nav.cboAddress_Click();
    bottom.nav.cboAddress_Click();
  });
  bottom.box.SetText("http://bottom.example/");

  top.browser.setLocationURL("http://top.example/");
  top.browser.raiseNavigateComplete2();

  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(top.browser.navigations().empty());
  EXPECT_EQ(bottom.browser.navigations(), Strings{"http://bottom.example/"});
  EXPECT_EQ(bottom.label.Caption(), "Going to http://bottom.example/");

  // Once the update is over the top pane's entry works again.
  top.box.setOnClick(nullptr);
  top.nav.cboAddress_Click();
  EXPECT_EQ(top.browser.navigations(), Strings{"http://top.example/"});
}

TEST(PaneNavigationTest, FailingStepOfTheHistoryUpdateDoesNotStopTheRest) {
  PaneRig rig;
  rig.box.setOnClick([] { throw std::runtime_error("selection refused"); });
  rig.browser.setLocationURL("http://a.example/");
  rig.browser.setLocationName("A");
  EXPECT_NO_THROW(rig.browser.raiseNavigateComplete2());
  EXPECT_FALSE(rig.pane.ListUpdate);
  EXPECT_EQ(rig.box.entries(), Strings{"http://a.example/"});
  EXPECT_EQ(rig.box.Text(), "http://a.example/");
  EXPECT_EQ(rig.label.Caption(), "Page Title: A");

  rig.box.SetText("next");
  rig.nav.cboAddress_Click();
  EXPECT_EQ(rig.browser.navigations(), Strings{"next"});
}

TEST(PaneNavigationTest, StatusTextShowsOnlyWhileBusyAndNeverDone) {
  PaneRig rig;
  rig.label.SetCaption("Page Title: T");
  rig.browser.setBusy(true);
  rig.browser.raiseStatusTextChange("Done");
  EXPECT_EQ(rig.label.Caption(), "Page Title: T");
  rig.browser.raiseStatusTextChange("Loading http://a.example/...");
  EXPECT_EQ(rig.label.Caption(), "Loading http://a.example/...");
  rig.browser.raiseStatusTextChange("done");  // only the exact text is held back
  EXPECT_EQ(rig.label.Caption(), "done");

  rig.browser.setBusy(false);
  rig.browser.raiseStatusTextChange("http://hovered.example/");
  EXPECT_EQ(rig.label.Caption(), "done");
}

TEST(PaneNavigationTest, ProgressFollowsTheControlWithinTheBarsRange) {
  PaneRig rig;
  const auto progress = [&rig](int32_t value, int32_t max) {
    rig.bar.SetValue(123.0f);
    rig.browser.raiseProgressChange(value, max);
    return rig.bar.Value();
  };
  EXPECT_EQ(progress(-1, 0), 0.0f);
  EXPECT_EQ(progress(0, 100), 0.0f);
  EXPECT_EQ(progress(50, 10), 123.0f);
  EXPECT_EQ(progress(1, 0), 123.0f);
  EXPECT_EQ(progress(1, 1), 1.0f);
  EXPECT_EQ(progress(500000, 1000000), 500000.0f);
  EXPECT_EQ(progress(1000000, 1000000), FakeProgressBar::kMax);
  EXPECT_EQ(progress(2000000, 3000000), FakeProgressBar::kMax);
  EXPECT_EQ(progress(INT32_MAX, INT32_MAX), FakeProgressBar::kMax);
}

const char kFolderMessage12[] =
    "View folder contents (12 files total) is on. Use back and forward navigation buttons to view "
    "contents of this folder.";

TEST(PaneNavigationTest, DownloadShowsTheTitleOrTheFolderViewMessage) {
  PaneRig rig;
  TempDir folder;
  for (int i = 0; i < 12; ++i) folder.writeFile("f" + std::to_string(i) + ".html", "");
  rig.pane.File.SetPath(folder.path().string());
  rig.browser.setLocationName("Title");

  // Folder view off: the title, whatever the address.
  rig.box.SetText("https://secure.example/");
  rig.browser.raiseDownloadComplete();
  EXPECT_EQ(rig.label.Caption(), "Page Title: Title");
  EXPECT_FALSE(rig.pane.LocalFile);

  // Folder view on: a secure or local address keeps it on and shows the count.
  rig.pane.LocalFile = true;
  for (const char* address : {"https://secure.example/", "/home/u/pics/a.jpg", "file:///a.htm"}) {
    rig.label.SetCaption("");
    rig.box.SetText(address);
    rig.browser.raiseDownloadComplete();
    EXPECT_EQ(rig.label.Caption(), kFolderMessage12) << address;
    EXPECT_TRUE(rig.pane.LocalFile) << address;
  }

  // A plain web address anywhere in the text, in any case, ends folder view.
  for (const char* address : {"http://a.example/", "HtTp://A.EXAMPLE/", "file:///x?u=http://y"}) {
    rig.pane.LocalFile = true;
    rig.label.SetCaption("");
    rig.box.SetText(address);
    rig.browser.raiseDownloadComplete();
    EXPECT_FALSE(rig.pane.LocalFile) << address;
    EXPECT_EQ(rig.label.Caption(), "Page Title: Title") << address;
  }
}

TEST(PaneNavigationTest, PollTickReportsWorkUntilTheControlIsIdle) {
  PaneRig rig;
  EXPECT_FALSE(rig.timer.Enabled());
  rig.nav.startStatusPoll();
  ASSERT_TRUE(rig.timer.Enabled());

  rig.browser.setBusy(true);
  EXPECT_TRUE(rig.timer.tick());
  EXPECT_EQ(rig.label.Caption(), "Browser Status: Working...");
  EXPECT_TRUE(rig.timer.Enabled());

  rig.browser.setBusy(false);
  rig.browser.setLocationName("Loaded");
  EXPECT_TRUE(rig.timer.tick());
  EXPECT_FALSE(rig.timer.Enabled());
  EXPECT_EQ(rig.label.Caption(), "Page Title: Loaded");
  EXPECT_FALSE(rig.timer.tick());

  // A later start polls again.
  rig.browser.setBusy(true);
  rig.nav.startStatusPoll();
  EXPECT_TRUE(rig.timer.tick());
  EXPECT_EQ(rig.label.Caption(), "Browser Status: Working...");
}

}  // namespace
}  // namespace corvane
