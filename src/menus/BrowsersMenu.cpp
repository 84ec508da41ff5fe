#include "menus/BrowsersMenu.h"

namespace corvane {

namespace {

constexpr const char* kBoth = "mnuOptionsBothBrowsers";
constexpr const char* kTop = "mnuOptionsTopBrowser";
constexpr const char* kBottom = "mnuOptionsBottomBrowser";

}  // namespace

BrowsersMenu::BrowsersMenu(Layout& layout, MenuBar& menus) : layout_(layout), menus_(menus) {
  menus_.Add({MenuPosition::Browsers,
              kName,
              "&Browsers",
              {{0, kBoth, "Show Both Browsers", "Ctrl+Q", true},
               {1, kTop, "Show Top Browser", "Ctrl+W", true},
               {2, kBottom, "Show Bottom Browser", "Ctrl+E", true}},
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

void BrowsersMenu::updateCheckMarks(const char* own) {
  const bool ownChecked = menus_.Checked(own);
  for (const char* item : {kBoth, kTop, kBottom}) menus_.SetChecked(item, false);
  menus_.SetChecked(own, !ownChecked);
}

}  // namespace corvane
