#include "menus/FileMenu.h"

#include <gtest/gtest.h>

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
  r.menu.mnuFile_Click(0);
  EXPECT_TRUE(r.top.pane.LocalFile);
  // Pane indexes other than 0 and 1 open nothing.
  for (int16_t pane : {int16_t{-1}, int16_t{2}}) r.menu.OpenLocalFile(pane);
  EXPECT_EQ(r.fileDialog.requests().size(), 2u);
}

}  // namespace
}  // namespace corvane
