#include "panes/PaneCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandsRig.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

constexpr int kBack = 1;
constexpr int kForward = 2;

TEST(PaneCommandsTest, EachButtonKeyRunsItsOwnCommandOnItsOwnPane) {
  CommandsRig r;
  r.settings.WriteSetting("BBstart", 1, "http://bottom-home.example/");
  r.bottom.browser.setLocationName("Bottom Page");
  r.bottom.bar.SetValue(500000.0f);
  for (const char* key : {"Back", "Forward", "Refresh", "Stop"}) r.bottomCommands.ButtonClick(key);
  EXPECT_EQ(r.bottom.browser.calls(), (Strings{"GoBack", "GoForward", "Refresh", "Stop"}));
  EXPECT_EQ(r.bottom.bar.Value(), 0.0f);
  EXPECT_EQ(r.bottom.label.Caption(), "Page Title: Bottom Page");

  for (const char* key : {"Home", "Search", "Chat"}) r.bottomCommands.ButtonClick(key);
  EXPECT_EQ(r.bottom.browser.navigations(),
            (Strings{"http://bottom-home.example/", "http://site.example/newsandsearch.html",
                     "http://site.example/chat.html"}));
  EXPECT_EQ(r.bottom.box.Text(), "http://site.example/chat.html");
  EXPECT_EQ(r.bottom.label.Caption(), "Going to http://site.example/chat.html");

  r.bottomCommands.ButtonClick("Fav");
  r.topCommands.ButtonClick("Fav");
  EXPECT_EQ(r.favoritesToggles, 2);
  // Keys are compared exactly; anything else does nothing.
  for (const char* key : {"back", "Home ", "", "Favorites"}) r.bottomCommands.ButtonClick(key);
  EXPECT_EQ(r.bottom.browser.calls().size(), 7u);
  EXPECT_EQ(r.favoritesToggles, 2);
  EXPECT_TRUE(r.top.browser.calls().empty());
}

TEST(PaneCommandsTest, HomeReadsTheSettingsFileAtEachPress) {
  CommandsRig r;
  r.topCommands.ButtonClick("Home");  // no file yet: an empty address, passed on
  r.settings.WriteSetting("TBstart", 1, "http://first.example/");
  r.topCommands.ButtonClick("Home");
  r.settings.WriteSetting("TBstart", 1, "http://changed.example/");
  r.topCommands.ButtonClick("Home");
  r.topCommands.Home(r.topCommands.OfflineHomeSection());
  EXPECT_EQ(r.top.browser.navigations(),
            (Strings{"", "http://first.example/", "http://changed.example/", ""}));
  EXPECT_EQ(r.topCommands.OfflineHomeSection(), "TBstartOffLine");
  EXPECT_EQ(r.bottomCommands.OnlineHomeSection(), "BBstart");
}

TEST(PaneCommandsTest, BackAndForwardStepTheFolderOnlyWhileFolderViewIsOn) {
  CommandsRig r;
  TempDir folder;
  for (const char* name : {"1.html", "2.html", "3.html"}) folder.writeFile(name, "x");
  r.fileDialog.choose((folder.path() / "2.html").string());
  r.topCommands.folderView().OpenLocalFile();

  r.topCommands.ButtonClick("Forward");
  r.topCommands.ButtonClick("Back");
  EXPECT_EQ(r.top.browser.navigations(),
            (Strings{(folder.path() / "2.html").string(), (folder.path() / "2.html").string(),
                     (folder.path() / "1.html").string()}));
  // The control's history no longer moves the buttons.
  r.top.browser.eventSink()->CommandStateChange(CSC_NAVIGATEBACK, true);
  EXPECT_FALSE(r.top.toolbar.ButtonEnabled(kBack));

  // A plain web page ends folder view at the end of its download; the buttons show the history
  // as the control last reported it, and history takes over again.
  r.top.browser.eventSink()->CommandStateChange(CSC_NAVIGATEFORWARD, false);
  EXPECT_TRUE(r.top.toolbar.ButtonEnabled(kForward));
  r.top.box.SetText("http://plain.example/");
  r.top.browser.raiseDownloadComplete();
  EXPECT_FALSE(r.top.pane.LocalFile);
  EXPECT_TRUE(r.top.toolbar.ButtonEnabled(kBack));
  EXPECT_FALSE(r.top.toolbar.ButtonEnabled(kForward));
  r.topCommands.ButtonClick("Back");
  r.topCommands.ButtonClick("Forward");
  EXPECT_EQ(r.top.browser.calls().back(), "GoForward");
  EXPECT_EQ(r.top.browser.calls()[r.top.browser.calls().size() - 2], "GoBack");
  r.top.browser.eventSink()->CommandStateChange(CSC_NAVIGATEBACK, true);
  r.top.browser.eventSink()->CommandStateChange(CSC_NAVIGATEFORWARD, false);
  EXPECT_TRUE(r.top.toolbar.ButtonEnabled(kBack));
  EXPECT_FALSE(r.top.toolbar.ButtonEnabled(kForward));
}

}  // namespace
}  // namespace corvane
