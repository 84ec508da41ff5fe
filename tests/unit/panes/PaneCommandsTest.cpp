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

// Which button runs which command, and Home read at each press, are driven end to end.
TEST(PaneCommandsTest, HomeWithoutASettingsFilePassesTheEmptyAddressOnAndOtherKeysDoNothing) {
  CommandsRig r;
  r.topCommands.ButtonClick("Home");
  EXPECT_EQ(r.top.browser.navigations(), Strings{""});
  // Keys are compared exactly.
  for (const char* key : {"back", "Home ", "", "Favorites"}) r.topCommands.ButtonClick(key);
  EXPECT_EQ(r.top.browser.calls().size(), 1u);
  EXPECT_EQ(r.favoritesToggles, 0);
}

// The toolbar's steps through a folder, and a web page ending folder view, are driven end to end.
// While folder view is on the control's history does not move the buttons; once it ends they
// show the history as the control last reported it.
TEST(PaneCommandsTest, TheHistoryMovesTheButtonsOnlyOutsideFolderView) {
  CommandsRig r;
  TempDir folder;
  for (const char* name : {"1.html", "2.html", "3.html"}) folder.writeFile(name, "x");
  r.fileDialog.choose((folder.path() / "2.html").string());
  r.topCommands.folderView().OpenLocalFile();
  r.topCommands.ButtonClick("Back");
  EXPECT_FALSE(r.top.toolbar.ButtonEnabled(kBack));
  r.top.browser.eventSink()->CommandStateChange(CSC_NAVIGATEBACK, true);
  r.top.browser.eventSink()->CommandStateChange(CSC_NAVIGATEFORWARD, false);
  EXPECT_FALSE(r.top.toolbar.ButtonEnabled(kBack));
  EXPECT_TRUE(r.top.toolbar.ButtonEnabled(kForward));

  r.top.box.SetText("http://plain.example/");
  r.top.browser.raiseDownloadComplete();
  EXPECT_FALSE(r.top.pane.LocalFile);
  EXPECT_TRUE(r.top.toolbar.ButtonEnabled(kBack));
  EXPECT_FALSE(r.top.toolbar.ButtonEnabled(kForward));
  r.top.browser.eventSink()->CommandStateChange(CSC_NAVIGATEFORWARD, true);
  EXPECT_TRUE(r.top.toolbar.ButtonEnabled(kForward));
}

}  // namespace
}  // namespace corvane
