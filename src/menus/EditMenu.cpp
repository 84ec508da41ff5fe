#include "menus/EditMenu.h"

#include "base/Guarded.h"
#include "menus/MenuArray.h"

namespace corvane {

EditMenu::EditMenu(MenuBar& menus, IBrowserControl& topBrowser, ISendKeys& keys)
    : topBrowser_(topBrowser), keys_(keys) {
  menus.Add({MenuPosition::Edit, kName, "&Edit",
             MenuArray(kName, {{"Cu&t", "Ctrl+X"},
                               {"C&opy", "Ctrl+C"},
                               {"&Paste", "Ctrl+V"},
                               {"-"},
                               {"&Select All", "Ctrl+A"},
                               {"-"},
                               {"&Find", "Ctrl+F"}}),
             [this](int index) { mnuEdit_Click(index); }});
}

void EditMenu::mnuEdit_Click(int index) {
  switch (index) {
    case 0:
      exec(OLECMDID_CUT);
      break;
    case 1:
      exec(OLECMDID_COPY);
      break;
    case 2:
      exec(OLECMDID_PASTE);
      break;
    case 4:
      exec(OLECMDID_SELECTALL);
      break;
    case 6:
      guarded([&] { topBrowser_.SetFocus(); });
      guarded([&] { keys_.SendKeys("^f", false); });
      break;
    default:
      break;
  }
}

void EditMenu::exec(ExecWBCommand command) {
  guarded([&] { topBrowser_.ExecWB(command, OLECMDEXECOPT_DODEFAULT); });
}

}  // namespace corvane
