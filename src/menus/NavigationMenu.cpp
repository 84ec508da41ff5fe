#include "menus/NavigationMenu.h"

#include "base/Guarded.h"
#include "menus/MenuArray.h"

namespace corvane {

namespace {
// The bottom pane's items repeat the top pane's, after the separator.
constexpr int kBottomFirst = 8;
constexpr int kPerPane = 7;
}  // namespace

NavigationMenu::NavigationMenu(MenuBar& menus, PaneCommands& top, PaneCommands& bottom)
    : top_(top), bottom_(bottom) {
  menus.Add({MenuPosition::Navigation, kName, "&Navigation",
             MenuArray(kName, {{"Top Browser Back"},
                               {"Top Browser Forward"},
                               {"Top Browser Stop"},
                               {"Top Browser Refresh"},
                               {"Top Browser Online Home"},
                               {"Top Browser Offline Home"},
                               {"Top Browser News and Search"},
                               {"-"},
                               {"Bottom Browser Back"},
                               {"Bottom Browser Forward"},
                               {"Bottom Browser Stop"},
                               {"Bottom Browser Refresh"},
                               {"Bottom Browser Online Home"},
                               {"Bottom Browser Offline Home"},
                               {"Bottom Browser News and Search"}}),
             [this](int index) { mnuOptionsNavigation_Click(index); }});
}

void NavigationMenu::mnuOptionsNavigation_Click(int index) {
  const bool top = index >= 0 && index < kPerPane;
  const bool bottom = index >= kBottomFirst && index < kBottomFirst + kPerPane;
  if (!top && !bottom) return;
  PaneCommands& commands = top ? top_ : bottom_;
  IBrowserControl& browser = commands.pane().brwWebBrowser;
  switch (top ? index : index - kBottomFirst) {
    case 0:
      guarded([&] { browser.GoBack(); });
      break;
    case 1:
      guarded([&] { browser.GoForward(); });
      break;
    case 2:
      commands.StopLoading();
      break;
    case 3:
      guarded([&] { browser.Refresh(); });
      break;
    case 4:
      commands.Home(commands.OnlineHomeSection());
      break;
    case 5:
      commands.Home(commands.OfflineHomeSection());
      break;
    case 6:
      commands.ShowNewsAndSearch();
      break;
    default:
      break;
  }
}

}  // namespace corvane
