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

// The three option buttons of the top row: which one is selected. Selecting one never runs its
// handler; only a user's click does.
struct OptionButtons {
  ViewMode selected = ViewMode::Both;
};

}  // namespace corvane
