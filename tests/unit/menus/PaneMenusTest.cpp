#include "menus/NavigationMenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandsRig.h"
#include "menus/ChatMenu.h"
#include "menus/FileMenu.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

// The menus whose items act on one pane each.
struct MenuRig : CommandsRig {
  MenuRig()
      : navigation(bar, topCommands, bottomCommands),
        chat(bar, topCommands, bottomCommands),
        file(bar, topCommands, bottomCommands, [this] { ++closes; }) {
    settings.WriteSetting("TBstart", 1, "http://top-online.example/");
    settings.WriteSetting("TBstartOffLine", 1, "/opt/cv/cv.html");
    settings.WriteSetting("BBstart", 1, "http://bottom-online.example/");
    settings.WriteSetting("BBstartOffLine", 1, "/opt/cv/CVguide.html");
  }
  MenuBar bar;
  NavigationMenu navigation;
  ChatMenu chat;
  int closes = 0;
  FileMenu file;
};

TEST(NavigationMenuTest, EachIndexReachesItsPaneAndOthersDoNothing) {
  MenuRig r;
  for (int i = -1; i <= 16; ++i) r.navigation.mnuOptionsNavigation_Click(i);
  const Strings expectedCalls = {"GoBack", "GoForward", "Stop", "Refresh"};
  for (PaneId id : {PaneId::Top, PaneId::Bottom}) {
    const Strings calls = r.rig(id).browser.calls();
    ASSERT_EQ(calls.size(), 7u);
    EXPECT_EQ(Strings(calls.begin(), calls.begin() + 4), expectedCalls);
  }
  EXPECT_EQ(r.top.browser.navigations(), (Strings{"http://top-online.example/", "/opt/cv/cv.html",
                                                  "http://site.example/newsandsearch.html"}));
  EXPECT_EQ(r.bottom.browser.navigations(),
            (Strings{"http://bottom-online.example/", "/opt/cv/CVguide.html",
                     "http://site.example/newsandsearch.html"}));
}

TEST(NavigationMenuTest, MenuStopLeavesBarAndStatusAlone) {
  MenuRig r;
  r.top.bar.SetValue(300000.0f);
  r.top.label.SetCaption("Loading...");
  r.navigation.mnuOptionsNavigation_Click(2);
  EXPECT_EQ(r.top.browser.calls(), Strings{"Stop"});
  EXPECT_EQ(r.top.bar.Value(), 300000.0f);
  EXPECT_EQ(r.top.label.Caption(), "Loading...");
}

TEST(NavigationMenuTest, MenuBackUsesHistoryWhileTheToolbarStepsTheFolder) {
  MenuRig r;
  TempDir folder;
  for (const char* name : {"a.html", "b.html"}) folder.writeFile(name, "x");
  r.fileDialog.choose((folder.path() / "b.html").string());
  r.bottomCommands.folderView().OpenLocalFile();
  r.navigation.mnuOptionsNavigation_Click(8);
  r.navigation.mnuOptionsNavigation_Click(9);
  r.bottomCommands.ButtonClick("Back");
  EXPECT_EQ(r.bottom.browser.calls(),
            (Strings{"Navigate:" + (folder.path() / "b.html").string(), "GoBack", "GoForward",
                     "Navigate:" + (folder.path() / "a.html").string()}));
}

TEST(ChatMenuTest, ChatPageGoesThroughEachPanesNavigationEntry) {
  MenuRig r;
  for (int i : {-1, 0, 1, 2}) r.bar.Click(ChatMenu::kName, i);
  EXPECT_EQ(r.top.browser.navigations(), Strings{"http://site.example/chat.html"});
  EXPECT_EQ(r.bottom.browser.navigations(), Strings{"http://site.example/chat.html"});
  EXPECT_EQ(r.top.box.Text(), "http://site.example/chat.html");
  EXPECT_EQ(r.bottom.label.Caption(), "Going to http://site.example/chat.html");
}

// The document commands prompt on their own pane, the open items switch folder view on for
// theirs only, and Close closes.
TEST(FileMenuTest, EachItemActsOnItsOwnPane) {
  MenuRig r;
  TempDir folder;
  r.fileDialog.choose(folder.writeFile("a.html", "x").string());
  for (int i : {-1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 1}) r.file.mnuFile_Click(i);
  EXPECT_EQ(r.top.browser.calls(), (Strings{"ExecWB:4:1", "ExecWB:8:1", "ExecWB:6:1"}));
  EXPECT_EQ(r.bottom.browser.calls(), (Strings{"ExecWB:4:1", "ExecWB:8:1", "ExecWB:6:1",
                                               "Navigate:" + folder.path().string() + "/a.html"}));
  EXPECT_TRUE(r.bottom.pane.LocalFile);
  EXPECT_FALSE(r.top.pane.LocalFile);
  r.file.mnuFile_Click(0);
  EXPECT_TRUE(r.top.pane.LocalFile);
  // Pane indexes other than 0 and 1 open nothing.
  for (int16_t pane : {int16_t{-1}, int16_t{2}}) r.file.OpenLocalFile(pane);
  EXPECT_EQ(r.fileDialog.requests().size(), 2u);
  EXPECT_EQ(r.closes, 0);
  r.file.mnuFile_Click(11);
  EXPECT_EQ(r.closes, 1);
}

}  // namespace
}  // namespace corvane
