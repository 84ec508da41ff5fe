#pragma once

#include "menus/MenuBar.h"
#include "panes/PaneCommands.h"

namespace corvane {

// The "&Chat" menu: the site's chat page in the top (0) or the bottom (1) pane.
class ChatMenu {
 public:
  static constexpr const char* kName = "mnuChat";

  ChatMenu(MenuBar& menus, PaneCommands& top, PaneCommands& bottom);
  ChatMenu(const ChatMenu&) = delete;
  ChatMenu& operator=(const ChatMenu&) = delete;

  // Any index other than 0 and 1 does nothing.
  void mnuChat_Click(int index);

 private:
  PaneCommands& top_;
  PaneCommands& bottom_;
};

}  // namespace corvane
