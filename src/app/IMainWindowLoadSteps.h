#pragma once

#include <string>

#include "panes/Pane.h"

namespace corvane {

// What the main window's load sequence asks of the window. Steps whose features are not
// there yet are empty operations in the window; the sequence still runs to its end.
class IMainWindowLoadSteps {
 public:
  IMainWindowLoadSteps() = default;
  IMainWindowLoadSteps(const IMainWindowLoadSteps&) = delete;
  IMainWindowLoadSteps& operator=(const IMainWindowLoadSteps&) = delete;
  virtual ~IMainWindowLoadSteps() = default;

  // Toggles the toolbars' flat look, top toolbar first.
  virtual void MakeToolbarsFlat() = 0;
  // Fills SystemFolder (set to 512 NULs just before) and the other system folder fields.
  virtual void ReadSystemFolders(std::string& systemFolder) = 0;
  // One-time layout, before the window is first shown.
  virtual void InitLayout() = 0;
  // Disables Back and Forward (buttons 1 and 2) of the pane's toolbar.
  virtual void DisableBackForward(PaneId pane) = 0;
  // Shows the window, modeless (the first resize pass runs here).
  virtual void Show() = 0;
  // Repaints the pane's toolbar.
  virtual void RepaintToolbar(PaneId pane) = 0;
  // The pane's address box.
  virtual IAddressBox& cboAddress(PaneId pane) = 0;
  // The pane's navigation entry: navigates the pane to its address box's text.
  virtual void cboAddress_Click(PaneId pane) = 0;
  // Loads and shows the tip of the day; the tip window may close itself while loading.
  virtual void LoadTipWindow() = 0;
};

}  // namespace corvane
