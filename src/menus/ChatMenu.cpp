#include "menus/ChatMenu.h"

#include "menus/MenuArray.h"

namespace corvane {

ChatMenu::ChatMenu(MenuBar& menus, PaneCommands& top, PaneCommands& bottom)
    : top_(top), bottom_(bottom) {
  menus.Add({MenuPosition::Chat, kName, "&Chat",
             MenuArray(kName, {{"Using Top Browser"}, {"Using Bottom Browser"}}),
             [this](int index) { mnuChat_Click(index); }});
}

void ChatMenu::mnuChat_Click(int index) {
  if (index == 0) top_.ShowChat();
  if (index == 1) bottom_.ShowChat();
}

}  // namespace corvane
