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

// Notes what the store held for the start-up choice when the tip window was asked for.
class TipWatchingWindows : public FakeSecondaryWindows {
 public:
  explicit TipWatchingWindows(ISettingsStore& store) : store_(store) {}
  void ShowTipWindow() override {
    FakeSecondaryWindows::ShowTipWindow();
    storedWhenShown = store_.GetSetting("corvane", "Options", "Show Tips at Startup", "absent");
  }
  std::string storedWhenShown;

 private:
  ISettingsStore& store_;
};

struct Rig {
  Rig() { layout.InitLayout(); }
  FakeWindowMetrics metrics;
  Layout layout{metrics};
  PaneRig top;
  FakeSettingsStore store;
  TipWatchingWindows windows{store};
  FakeMessageBox messageBox;
  MenuBar menus;
  HelpMenu help{menus, layout, top.controller, store, windows, messageBox, "corvane", "/opt/cv"};
};

TEST(HelpMenu, TipOfTheDayStoresOnBeforeEveryShowing) {
  Rig rig;
  rig.store.SaveSetting("corvane", "Options", "Show Tips at Startup", "0");
  rig.menus.Click(HelpMenu::kName, 1);
  EXPECT_EQ(rig.windows.storedWhenShown, "1");
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
