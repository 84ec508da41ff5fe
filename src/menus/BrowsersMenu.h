#pragma once

#include <functional>

#include "layout/Layout.h"
#include "menus/MenuBar.h"
#include "panes/Pane.h"

namespace corvane {

// What the "&Browsers" menu does with both panes at once, beyond the view modes.
struct PaneCommandsOfBoth {
  std::function<void()> swapPanes;
  std::function<void(bool on)> synchronizeScrolling;
  std::function<void()> focusOtherPane;
  std::function<void(bool on)> sideBySide;
};

// The "&Browsers" menu: one item per view mode, each with a check mark of its own. The check
// marks change only through these commands, so an option button or a resize never touches them.
// After the view modes: swapping the panes, synchronized scrolling (a check item, off at start)
// and the key that takes the focus to the other pane's page; the panes side by side (a check item);
// then, one check item per pane, off at start, whether the links the user clicks in that pane
// open in the other pane.
class BrowsersMenu {
 public:
  static constexpr const char* kName = "mnuOptionsBrowsers";
  static constexpr int kSwapPanesIndex = 4;
  static constexpr int kSynchronizeScrollingIndex = 5;
  static constexpr int kOtherPaneIndex = 6;
  static constexpr int kFollowTopLinksIndex = 7;
  static constexpr int kFollowBottomLinksIndex = 8;
  static constexpr int kSideBySideIndex = 9;
  static constexpr const char* kSideBySide = "mnuOptionsSideBySide";
  static constexpr const char* kSynchronizeScrolling = "mnuOptionsSyncScroll";
  static constexpr const char* kFollowTopLinks = "mnuOptionsFollowLinks1";
  static constexpr const char* kFollowBottomLinks = "mnuOptionsFollowLinks2";

  // Adds the menu to the bar, "Show Both Browsers" checked.
  BrowsersMenu(Layout& layout, MenuBar& menus, PaneCommandsOfBoth both = {});
  BrowsersMenu(const BrowsersMenu&) = delete;
  BrowsersMenu& operator=(const BrowsersMenu&) = delete;

  // Invert the item's own check mark, clear the other two, select the item's option button and
  // apply its mode, whatever the new check mark is.
  void mnuOptionsBothBrowsers_Click();
  void mnuOptionsTopBrowser_Click();
  void mnuOptionsBottomBrowser_Click();

  // The menu's items by index: 0 both, 1 top, 2 bottom, 4 swap, 5 synchronized scrolling,
  // 6 other pane, 7 and 8 the top's and the bottom's links into the other pane, 9 side by side;
  // others do nothing.
  void Click(int index);

  // Whether a link the user clicks in pane opens in the other pane instead.
  bool FollowsLinks(PaneId pane) const;

 private:
  void updateCheckMarks(const char* own);
  void toggleSynchronizeScrolling();
  void toggle(const char* item);

  Layout& layout_;
  MenuBar& menus_;
  PaneCommandsOfBoth both_;
};

}  // namespace corvane
