#include "menus/EditMenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeBrowserControl.h"
#include "FakeSendKeys.h"
#include "PaneRig.h"
#include "menus/ViewMenu.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

TEST(EditMenuTest, EveryItemWorksOnTheTopBrowserAndFindFocusesItBeforeTheKeys) {
  MenuBar bar;
  FakeBrowserControl top;
  FakeSendKeys keys;
  EditMenu menu(bar, top, keys);
  ASSERT_EQ(bar.menus().size(), 1u);
  Strings table;
  for (const MenuItem& item : bar.menus()[0].items)
    table.push_back(item.caption + " " + item.shortcut);
  EXPECT_EQ(table, (Strings{"Cu&t Ctrl+X", "C&opy Ctrl+C", "&Paste Ctrl+V", "- ",
                            "&Select All Ctrl+A", "- ", "&Find Ctrl+F"}));

  for (int i = -1; i <= 5; ++i) menu.mnuEdit_Click(i);
  EXPECT_EQ(top.calls(), (Strings{"ExecWB:11:0", "ExecWB:12:0", "ExecWB:13:0", "ExecWB:17:0"}));
  EXPECT_TRUE(keys.sent().empty());
  menu.mnuEdit_Click(6);
  EXPECT_EQ(top.calls().back(), "SetFocus");
  EXPECT_EQ(keys.sent(), Strings{"^f:nowait"});
  menu.mnuEdit_Click(7);
  EXPECT_EQ(keys.sent().size(), 1u);
}

TEST(ViewMenuTest, SourceOfTheBoxsAddressUnlessItIsEmptyAndTheBoxKeepsIt) {
  MenuBar bar;
  PaneRig top(PaneId::Top), bottom(PaneId::Bottom);
  ViewMenu menu(bar, top.pane, bottom.pane);
  EXPECT_EQ(bar.menus()[0].caption, "&View");
  top.box.SetText("");
  bottom.box.SetText(" http://b.example/ ");
  for (int i = -1; i <= 2; ++i) menu.mnuSource_Click(i);
  EXPECT_TRUE(top.browser.calls().empty());
  EXPECT_EQ(bottom.browser.calls(), Strings{"Navigate:view-source: http://b.example/ "});
  EXPECT_EQ(bottom.box.Text(), " http://b.example/ ");
  EXPECT_TRUE(bottom.label.history().empty());
}

}  // namespace
}  // namespace corvane
