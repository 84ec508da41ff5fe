#include "menus/HelpMenu.h"

#include <utility>

#include "base/Guarded.h"
#include "dialogs/TipOfTheDay.h"

namespace corvane {

HelpMenu::HelpMenu(MenuBar& menus, Layout& layout, PaneController& topPane, ISettingsStore& store,
                   ISecondaryWindows& windows, std::string appName, std::string programFolder)
    : layout_(layout),
      topPane_(topPane),
      store_(store),
      windows_(windows),
      appName_(std::move(appName)),
      programFolder_(std::move(programFolder)) {
  menus.Add({MenuPosition::Help,
             kName,
             "&Help",
             {{0, "mnuHelp(0)", "Contents", "F1", false},
              {1, "mnuHelp(1)", "Tip Of The Day", "", false},
              {2, "mnuHelp(2)", "-", "", false},
              {4, "mnuHelp(4)", "About", "", false}},
             [this](int index) { mnuHelp_Click(index); }});
}

void HelpMenu::mnuHelp_Click(int index) {
  switch (index) {
    case 0:
      contents();
      break;
    case 1:
      tipOfTheDay();
      break;
    case 4:
      guarded([&] { windows_.ShowAboutBox(); });
      break;
    default:
      break;
  }
}

void HelpMenu::contents() {
  guarded([&] { layout_.OptionTop_Click(); });
  guarded([&] { topPane_.pane().cboAddress.SetText(programFolder_ + "/" + kGuide); });
  guarded([&] { topPane_.navigation().cboAddress_Click(); });
}

void HelpMenu::tipOfTheDay() {
  // Stored first, so that the window's load finds the tips switched on and stays.
  guarded([&] { store_.SaveSetting(appName_, TipOfTheDay::kSection, TipOfTheDay::kKey, "1"); });
  guarded([&] { windows_.ShowTipWindow(); });
}

}  // namespace corvane
