#pragma once

#include "layout/Layout.h"
#include "menus/MenuBar.h"

namespace corvane {

// The "&Browsers" menu: one item per view mode, each with a check mark of its own. The check
// marks change only through these commands, so an option button or a resize never touches them.
class BrowsersMenu {
 public:
  static constexpr const char* kName = "mnuOptionsBrowsers";

  // Adds the menu to the bar, "Show Both Browsers" checked.
  BrowsersMenu(Layout& layout, MenuBar& menus);
  BrowsersMenu(const BrowsersMenu&) = delete;
  BrowsersMenu& operator=(const BrowsersMenu&) = delete;

  // Invert the item's own check mark, clear the other two, select the item's option button and
  // apply its mode, whatever the new check mark is.
  void mnuOptionsBothBrowsers_Click();
  void mnuOptionsTopBrowser_Click();
  void mnuOptionsBottomBrowser_Click();

  // The menu's items by index: 0 both, 1 top, 2 bottom; others do nothing.
  void Click(int index);

 private:
  void updateCheckMarks(const char* own);

  Layout& layout_;
  MenuBar& menus_;
};

}  // namespace corvane
