#include "menus/EditMenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeBrowserControl.h"
#include "PaneRig.h"
#include "RecordingFakes.h"
#include "menus/ViewMenu.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

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

TEST(ViewMenuTest, SourceOfTheBoxsAddressUnlessItIsEmptyAndTheBoxKeepsIt) {
  MenuBar bar;
  PaneRig top(PaneId::Top), bottom(PaneId::Bottom);
  ViewMenu menu(bar, top.pane, bottom.pane);
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
