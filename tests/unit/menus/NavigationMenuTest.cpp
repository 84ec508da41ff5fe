#include "menus/NavigationMenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CommandsRig.h"
#include "menus/ChatMenu.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

struct MenuRig : CommandsRig {
  MenuRig() : navigation(bar, topCommands, bottomCommands), chat(bar, topCommands, bottomCommands) {
    settings.WriteSetting("TBstart", 1, "http://top-online.example/");
    settings.WriteSetting("TBstartOffLine", 1, "/opt/cv/cv.html");
    settings.WriteSetting("BBstart", 1, "http://bottom-online.example/");
    settings.WriteSetting("BBstartOffLine", 1, "/opt/cv/CVguide.html");
  }
  MenuBar bar;
  NavigationMenu navigation;
  ChatMenu chat;
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

}  // namespace
}  // namespace corvane
