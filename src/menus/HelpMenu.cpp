#include "menus/HelpMenu.h"

#include <exception>
#include <string>
#include <utility>

#include "base/Guarded.h"
#include "dialogs/TipOfTheDay.h"

namespace corvane {

HelpMenu::HelpMenu(MenuBar& menus, Layout& layout, PaneController& topPane, ISettingsStore& store,
                   ISecondaryWindows& windows, IMessageBox& messageBox, std::string appName,
                   std::string programFolder)
    : layout_(layout),
      topPane_(topPane),
      store_(store),
      windows_(windows),
      messageBox_(messageBox),
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
  try {
    store_.SaveSetting(appName_, TipOfTheDay::kSection, TipOfTheDay::kKey, "1");
  } catch (const std::exception& error) {
    std::string stored = "1";
    guarded([&] {
      stored = store_.GetSetting(appName_, TipOfTheDay::kSection, TipOfTheDay::kKey, "1");
    });
    // Switched off and not to be switched on: the window would close itself unseen.
    if (TipsSwitchedOff(stored)) {
      messageBox_.MsgBox(std::string("The tip of the day is switched off, and it could not be "
                                     "switched on (") +
                             error.what() + ").",
                         MsgBoxButtons::OK, MsgBoxIcon::Exclamation, "");
      return;
    }
  } catch (...) {
  }
  guarded([&] { windows_.ShowTipWindow(); });
}

}  // namespace corvane
