#pragma once

#include "menus/MenuBar.h"
#include "panes/PaneCommands.h"

namespace corvane {

// The "&Navigation" menu: the pane commands of the toolbars for either pane from one place,
// items 0 to 6 for the top pane, a separator at 7, items 8 to 14 for the bottom pane. Unlike the
// toolbar, its Back and Forward always use the control's history, even in folder view, and its
// Stop touches neither the progress bar nor the status line; a load it ends is heard as stopped,
// as the toolbar's is.
class NavigationMenu {
 public:
  static constexpr const char* kName = "mnuOptionsNavigation";

  NavigationMenu(MenuBar& menus, PaneCommands& top, PaneCommands& bottom);
  NavigationMenu(const NavigationMenu&) = delete;
  NavigationMenu& operator=(const NavigationMenu&) = delete;

  // The item with this index; the separator and indexes outside 0..14 do nothing.
  void mnuOptionsNavigation_Click(int index);

 private:
  PaneCommands& top_;
  PaneCommands& bottom_;
};

}  // namespace corvane
