#include "menus/FileMenu.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "CommandsRig.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

struct FileRig : CommandsRig {
  FileRig() : menu(bar, topCommands, bottomCommands, [this] { ++closes; }) {}
  MenuBar bar;
  int closes = 0;
  FileMenu menu;
};

TEST(FileMenuTest, TableHasSeparatorsAndCtrlFunctionKeysOnTheEightPaneCommands) {
  FileRig r;
  ASSERT_EQ(r.bar.menus().size(), 1u);
  const Menu& menu = r.bar.menus()[0];
  EXPECT_EQ(menu.caption, "&File");
  Strings captions, shortcuts;
  for (const MenuItem& item : menu.items) {
    captions.push_back(item.caption);
    shortcuts.push_back(item.shortcut);
  }
  EXPECT_EQ(captions,
            (Strings{"&Open Top Browser", "&Open Bottom Browser", "-", "Save Top Browser &As...",
                     "Save Bottom Browser &As...", "-", "Page Set&up for Top Browser...",
                     "Page Set&up for Bottom Browser...", "&Print Top Browser",
                     "&Print Bottom Browser", "-", "&Close"}));
  EXPECT_EQ(shortcuts, (Strings{"Ctrl+F5", "Ctrl+F6", "", "Ctrl+F7", "Ctrl+F8", "", "Ctrl+F9",
                                "Ctrl+F10", "Ctrl+F11", "Ctrl+F12", "", ""}));
  EXPECT_EQ(menu.items[11].name, "mnuFile(11)");
}

TEST(FileMenuTest, DocumentCommandsPromptOnTheirOwnPane) {
  FileRig r;
  for (int i = -1; i <= 12; ++i) {
    if (i != 0 && i != 1 && i != 11) r.menu.mnuFile_Click(i);
  }
  EXPECT_EQ(r.top.browser.calls(), (Strings{"ExecWB:4:1", "ExecWB:8:1", "ExecWB:6:1"}));
  EXPECT_EQ(r.bottom.browser.calls(), (Strings{"ExecWB:4:1", "ExecWB:8:1", "ExecWB:6:1"}));
  EXPECT_EQ(r.closes, 0);
  EXPECT_TRUE(r.fileDialog.requests().empty());
  r.menu.mnuFile_Click(11);
  EXPECT_EQ(r.closes, 1);
}

TEST(FileMenuTest, OpenItemsSwitchFolderViewOnForTheirPaneOnly) {
  FileRig r;
  TempDir folder;
  folder.writeFile("a.html", "x");
  r.fileDialog.choose((folder.path() / "a.html").string());
  r.menu.mnuFile_Click(1);
  EXPECT_TRUE(r.bottom.pane.LocalFile);
  EXPECT_FALSE(r.top.pane.LocalFile);
  ASSERT_EQ(r.fileDialog.requests().size(), 1u);
  EXPECT_EQ(r.fileDialog.requests()[0].title,
            "Open File On Bottom Browser--Folder View Is Now Enabled");
  r.menu.mnuFile_Click(0);
  EXPECT_TRUE(r.top.pane.LocalFile);
  // Pane indexes other than 0 and 1 open nothing.
  for (int16_t pane : {int16_t{-1}, int16_t{2}}) r.menu.OpenLocalFile(pane);
  EXPECT_EQ(r.fileDialog.requests().size(), 2u);
}

}  // namespace
}  // namespace corvane
