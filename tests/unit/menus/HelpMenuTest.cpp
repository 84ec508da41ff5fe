#include "menus/HelpMenu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeMessageBox.h"
#include "FakeSettingsStore.h"
#include "FakeWindowMetrics.h"
#include "PaneRig.h"
#include "RecordingFakes.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

struct Rig {
  Rig() { layout.InitLayout(); }
  FakeWindowMetrics metrics;
  Layout layout{metrics};
  PaneRig top;
  FakeSettingsStore store;
  FakeSecondaryWindows windows;
  FakeMessageBox messageBox;
  MenuBar menus;
  HelpMenu help{menus, layout, top.controller, store, windows, messageBox, "corvane", "/opt/cv"};
};

// Switched off, the item shows the tip window checked and switches it back on: end to end. A store
// that cannot be written shows it while the choice is on, and says so while it is off.
TEST(HelpMenu, TipOfTheDayWithAStoreThatCannotBeWritten) {
  Rig rig;
  rig.menus.Click(HelpMenu::kName, 1);
  rig.store.refuseWrites(true);
  rig.menus.Click(HelpMenu::kName, 1);
  EXPECT_EQ(rig.windows.calls(), (Strings(2, "ShowTipWindow")));
  EXPECT_TRUE(rig.messageBox.shown().empty());
  rig.store.refuseWrites(false);
  rig.store.SaveSetting("corvane", "Options", "Show Tips at Startup", "0");
  rig.store.refuseWrites(true);
  rig.menus.Click(HelpMenu::kName, 1);
  EXPECT_EQ(rig.windows.calls().size(), 2u);
  ASSERT_EQ(rig.messageBox.shown().size(), 1u);
  EXPECT_NE(rig.messageBox.shown()[0].text.find("could not be switched on"), std::string::npos);
}

}  // namespace
}  // namespace corvane
