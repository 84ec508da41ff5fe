#pragma once

#include "layout/ControlId.h"

namespace corvane {

// Which browsers the window shows; the selected option button is the view mode.
enum class ViewMode { Both, Top, Bottom };

// The option button that stands for the mode.
constexpr ControlId optionButton(ViewMode mode) {
  switch (mode) {
    case ViewMode::Top:
      return ControlId::OptionTop;
    case ViewMode::Bottom:
      return ControlId::OptionBottom;
    case ViewMode::Both:
      break;
  }
  return ControlId::OptionBoth;
}

// The "&Browsers" menu item that shows the mode; its action carries this objectName.
constexpr const char* menuItemName(ViewMode mode) {
  switch (mode) {
    case ViewMode::Top:
      return "mnuOptionsTopBrowser";
    case ViewMode::Bottom:
      return "mnuOptionsBottomBrowser";
    case ViewMode::Both:
      break;
  }
  return "mnuOptionsBothBrowsers";
}

}  // namespace corvane
