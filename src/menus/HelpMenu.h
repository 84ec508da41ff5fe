#pragma once

#include <string>

#include "layout/Layout.h"
#include "menus/MenuBar.h"
#include "panes/PaneController.h"
#include "platform/IMessageBox.h"
#include "platform/ISecondaryWindows.h"
#include "platform/ISettingsStore.h"

namespace corvane {

// The "&Help" menu (item array mnuHelp): the user guide in the top pane alone, the tip of the
// day, the about box. Failures are ignored statement by statement; only tips that stay switched
// off because that could not be changed are reported.
class HelpMenu {
 public:
  static constexpr const char* kName = "mnuHelp";
  static constexpr const char* kGuide = "CVguide.html";

  // appName: the per-user settings' application name; programFolder: where the guide lies.
  HelpMenu(MenuBar& menus, Layout& layout, PaneController& topPane, ISettingsStore& store,
           ISecondaryWindows& windows, IMessageBox& messageBox, std::string appName,
           std::string programFolder);
  HelpMenu(const HelpMenu&) = delete;
  HelpMenu& operator=(const HelpMenu&) = delete;

  // 0 Contents, 1 Tip Of The Day, 4 About; 2 is the separator, other indexes do nothing.
  void mnuHelp_Click(int index);

 private:
  void contents();
  void tipOfTheDay();

  Layout& layout_;
  PaneController& topPane_;
  ISettingsStore& store_;
  ISecondaryWindows& windows_;
  IMessageBox& messageBox_;
  std::string appName_;
  std::string programFolder_;
};

}  // namespace corvane
