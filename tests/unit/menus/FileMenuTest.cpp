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

// The document commands prompt on their own pane, the open items switch folder view on for
// theirs only, and Close closes.
TEST(FileMenuTest, EachItemActsOnItsOwnPane) {
  FileRig r;
  TempDir folder;
  r.fileDialog.choose(folder.writeFile("a.html", "x").string());
  for (int i : {-1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 1}) r.menu.mnuFile_Click(i);
  EXPECT_EQ(r.top.browser.calls(), (Strings{"ExecWB:4:1", "ExecWB:8:1", "ExecWB:6:1"}));
  EXPECT_EQ(r.bottom.browser.calls(), (Strings{"ExecWB:4:1", "ExecWB:8:1", "ExecWB:6:1",
                                               "Navigate:" + folder.path().string() + "/a.html"}));
  EXPECT_TRUE(r.bottom.pane.LocalFile);
  EXPECT_FALSE(r.top.pane.LocalFile);
  r.menu.mnuFile_Click(0);
  EXPECT_TRUE(r.top.pane.LocalFile);
  // Pane indexes other than 0 and 1 open nothing.
  for (int16_t pane : {int16_t{-1}, int16_t{2}}) r.menu.OpenLocalFile(pane);
  EXPECT_EQ(r.fileDialog.requests().size(), 2u);
  EXPECT_EQ(r.closes, 0);
  r.menu.mnuFile_Click(11);
  EXPECT_EQ(r.closes, 1);
}

}  // namespace
}  // namespace corvane
