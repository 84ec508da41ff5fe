#include "menus/NavigationMenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandsRig.h"
#include "FakeBrowserControl.h"
#include "RecordingFakes.h"
#include "menus/ChatMenu.h"
#include "menus/EditMenu.h"
#include "menus/FileMenu.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

// The menus whose items act on one pane each.
struct MenuRig : CommandsRig {
  MenuRig()
      : navigation(bar, topCommands, bottomCommands),
        chat(bar, topCommands, bottomCommands),
        file(bar, topCommands, bottomCommands, [] {}) {
    settings.WriteSetting("TBstart", 1, "http://top-online.example/");
    settings.WriteSetting("TBstartOffLine", 1, "/opt/cv/cv.html");
    settings.WriteSetting("BBstart", 1, "http://bottom-online.example/");
    settings.WriteSetting("BBstartOffLine", 1, "/opt/cv/CVguide.html");
  }
  MenuBar bar;
  NavigationMenu navigation;
  ChatMenu chat;
  FileMenu file;
};

// Each index of the Navigate and Chat menus reaches its pane; others do nothing.
TEST(NavigationMenuTest, EachIndexReachesItsPaneAndOthersDoNothing) {
  MenuRig r;
  for (int i = -1; i <= 16; ++i) r.navigation.mnuOptionsNavigation_Click(i);
  for (int i : {-1, 0, 1, 2}) r.bar.Click(ChatMenu::kName, i);
  const Strings expectedCalls = {"GoBack", "GoForward", "Stop", "Refresh"};
  for (PaneId id : {PaneId::Top, PaneId::Bottom}) {
    const Strings calls = r.rig(id).browser.calls();
    ASSERT_EQ(calls.size(), 8u);
    EXPECT_EQ(Strings(calls.begin(), calls.begin() + 4), expectedCalls);
  }
  EXPECT_EQ(r.top.browser.navigations(),
            (Strings{"http://top-online.example/", "/opt/cv/cv.html",
                     "http://site.example/newsandsearch.html", "http://site.example/chat.html"}));
  EXPECT_EQ(r.bottom.browser.navigations(),
            (Strings{"http://bottom-online.example/", "/opt/cv/CVguide.html",
                     "http://site.example/newsandsearch.html", "http://site.example/chat.html"}));
  EXPECT_EQ(r.bottom.label.Caption(), "Going to http://site.example/chat.html");
}

// The menu's Stop leaves the bar and the status line alone; a load it ends is heard as stopped,
// as with the toolbar's, not as a page loaded.
TEST(NavigationMenuTest, MenuStopLeavesBarAndStatusAloneAndIsHeardAsStopped) {
  MenuRig r;
  r.top.bar.SetValue(300000.0f);
  r.top.label.SetCaption("Loading...");
  r.navigation.mnuOptionsNavigation_Click(2);
  EXPECT_EQ(r.top.browser.calls(), Strings{"Stop"});
  EXPECT_EQ(r.top.bar.Value(), 300000.0f);
  EXPECT_EQ(r.top.label.Caption(), "Loading...");
  EXPECT_TRUE(r.top.label.announced().empty());
  r.bottom.browser.setLocationName("B");
  r.bottom.browser.setBusy(true);
  r.navigation.mnuOptionsNavigation_Click(10);
  EXPECT_EQ(r.bottom.label.announced(), Strings{"Loading stopped"});
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

// The document commands prompt on their own pane, the open items switch folder view on for
// theirs only (Close, like View Source, is driven in the integration tests).
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
}

// Every item works on the top page, Find focusing it before the keys; a hidden page is never
// searched, copied from or given the focus: the shown bottom one takes every item then.
TEST(EditMenuTest, EveryItemWorksOnTheTopPageOrWhileItIsHiddenTheShownBottomOne) {
  MenuBar bar;
  FakeBrowserControl top, bottom;
  LayoutModel layout;
  FakeSendKeys keys;
  EditMenu menu(bar, top, bottom, layout, keys);
  for (int i = -1; i <= 7; ++i) menu.mnuEdit_Click(i);
  EXPECT_EQ(top.calls(),
            (Strings{"ExecWB:11:0", "ExecWB:12:0", "ExecWB:13:0", "ExecWB:17:0", "SetFocus"}));
  EXPECT_EQ(keys.calls(), Strings{"^f:nowait"});
  EXPECT_TRUE(bottom.calls().empty());

  top.clearCalls();
  layout.setVisible(ControlId::brwWebBrowser1, false);
  menu.mnuEdit_Click(1);
  menu.mnuEdit_Click(6);
  EXPECT_TRUE(top.calls().empty());
  EXPECT_EQ(bottom.calls(), (Strings{"ExecWB:12:0", "SetFocus"}));
  EXPECT_EQ(keys.calls(), (Strings{"^f:nowait", "^f:nowait"}));
  layout.setVisible(ControlId::brwWebBrowser2, false);
  menu.mnuEdit_Click(6);
  EXPECT_EQ(bottom.calls().size(), 2u);
  EXPECT_EQ(keys.calls().size(), 2u);
}

}  // namespace
}  // namespace corvane
