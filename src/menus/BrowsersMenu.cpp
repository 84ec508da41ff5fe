#include "menus/BrowsersMenu.h"

#include <utility>

namespace corvane {

namespace {

constexpr const char* kBoth = "mnuOptionsBothBrowsers";
constexpr const char* kTop = "mnuOptionsTopBrowser";
constexpr const char* kBottom = "mnuOptionsBottomBrowser";

}  // namespace

BrowsersMenu::BrowsersMenu(Layout& layout, MenuBar& menus, PaneCommandsOfBoth both)
    : layout_(layout), menus_(menus), both_(std::move(both)) {
  // Shift+F6 for the other pane: F6 means the address box to users of most browsers, Ctrl+F6
  // opens a file in the bottom browser, and desktops claim Alt+F6 for themselves.
  menus_.Add(
      {MenuPosition::Browsers,
       kName,
       "&Browsers",
       {{0, kBoth, "Show Both Browsers", "Ctrl+Q", true},
        {1, kTop, "Show Top Browser", "Ctrl+W", true},
        {2, kBottom, "Show Bottom Browser", "Ctrl+E", true},
        {3, "mnuOptionsBrowsersSep", "-", "", false},
        {kSwapPanesIndex, "mnuOptionsSwapPanes", "Swap Panes", "", false},
        {kSynchronizeScrollingIndex, kSynchronizeScrolling, "Synchronize Scrolling", "", true},
        {kOtherPaneIndex, "mnuOptionsOtherPane", "Go to Other Pane", "Shift+F6", false},
        {kSideBySideIndex, kSideBySide, "Side by Side", "Shift+F7", true},
        {kFollowTopLinksIndex, kFollowTopLinks, "Open Top Pane's Links in Bottom Pane", "", true},
        {kFollowBottomLinksIndex, kFollowBottomLinks, "Open Bottom Pane's Links in Top Pane", "",
         true}},
       [this](int index) { Click(index); }});
  menus_.SetChecked(kBoth, true);
}

void BrowsersMenu::Click(int index) {
  switch (index) {
    case 0:
      mnuOptionsBothBrowsers_Click();
      break;
    case 1:
      mnuOptionsTopBrowser_Click();
      break;
    case 2:
      mnuOptionsBottomBrowser_Click();
      break;
    case kSwapPanesIndex:
      if (both_.swapPanes) both_.swapPanes();
      break;
    case kSynchronizeScrollingIndex:
      toggleSynchronizeScrolling();
      break;
    case kOtherPaneIndex:
      if (both_.focusOtherPane) both_.focusOtherPane();
      break;
    case kSideBySideIndex:
      toggle(kSideBySide);
      if (both_.sideBySide) both_.sideBySide(menus_.Checked(kSideBySide));
      break;
    case kFollowTopLinksIndex:
      toggle(kFollowTopLinks);
      break;
    case kFollowBottomLinksIndex:
      toggle(kFollowBottomLinks);
      break;
    default:
      break;
  }
}

void BrowsersMenu::mnuOptionsBothBrowsers_Click() {
  updateCheckMarks(kBoth);
  layout_.SelectOption(ViewMode::Both);
  layout_.OptionBoth_Click();
}

void BrowsersMenu::mnuOptionsTopBrowser_Click() {
  updateCheckMarks(kTop);
  layout_.SelectOption(ViewMode::Top);
  layout_.OptionTop_Click();
}

void BrowsersMenu::mnuOptionsBottomBrowser_Click() {
  updateCheckMarks(kBottom);
  layout_.SelectOption(ViewMode::Bottom);
  layout_.OptionBottom_Click();
}

void BrowsersMenu::toggleSynchronizeScrolling() {
  const bool on = !menus_.Checked(kSynchronizeScrolling);
  menus_.SetChecked(kSynchronizeScrolling, on);
  if (both_.synchronizeScrolling) both_.synchronizeScrolling(on);
}

void BrowsersMenu::toggle(const char* item) { menus_.SetChecked(item, !menus_.Checked(item)); }

bool BrowsersMenu::FollowsLinks(PaneId pane) const {
  return menus_.Checked(pane == PaneId::Top ? kFollowTopLinks : kFollowBottomLinks);
}

void BrowsersMenu::updateCheckMarks(const char* own) {
  const bool ownChecked = menus_.Checked(own);
  for (const char* item : {kBoth, kTop, kBottom}) menus_.SetChecked(item, false);
  menus_.SetChecked(own, !ownChecked);
}

}  // namespace corvane
