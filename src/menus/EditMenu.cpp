#include "menus/EditMenu.h"

#include <optional>

#include "base/Guarded.h"
#include "menus/MenuArray.h"
#include "panes/PaneFocus.h"

namespace corvane {

namespace {

ExecWBCommand commandAt(int index) {
  switch (index) {
    case 0:
      return OLECMDID_CUT;
    case 1:
      return OLECMDID_COPY;
    case 2:
      return OLECMDID_PASTE;
    default:
      return OLECMDID_SELECTALL;
  }
}

}  // namespace

EditMenu::EditMenu(MenuBar& menus, IBrowserControl& topBrowser, IBrowserControl& bottomBrowser,
                   const LayoutModel& layout, ISendKeys& keys)
    : topBrowser_(topBrowser), bottomBrowser_(bottomBrowser), layout_(layout), keys_(keys) {
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

IBrowserControl* EditMenu::target() const {
  const std::optional<PaneId> pane =
      ShownPaneFor(PaneId::Top, layout_.visible(ControlId::brwWebBrowser1),
                   layout_.visible(ControlId::brwWebBrowser2));
  if (!pane) return nullptr;
  return *pane == PaneId::Top ? &topBrowser_ : &bottomBrowser_;
}

void EditMenu::mnuEdit_Click(int index) {
  if (index != 0 && index != 1 && index != 2 && index != 4 && index != 6) return;
  IBrowserControl* browser = target();
  if (!browser) return;
  if (index == 6) {
    guarded([&] { browser->SetFocus(); });
    guarded([&] { keys_.SendKeys("^f", false); });
    return;
  }
  guarded([&] { browser->ExecWB(commandAt(index), OLECMDEXECOPT_DODEFAULT); });
}

}  // namespace corvane
