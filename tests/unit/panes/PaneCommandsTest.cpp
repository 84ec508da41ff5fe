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
