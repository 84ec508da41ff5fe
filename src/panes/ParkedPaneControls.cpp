#include "panes/ParkedPaneControls.h"

#include <stdexcept>

namespace corvane {

void ParkedPaneControls::SetValue(float value) {
  // Written so that NaN is refused too.
  if (!(value >= Min() && value <= Max())) throw std::out_of_range("progress out of range");
  progress_ = value;
}

std::string ParkedPaneControls::ButtonKey(int position) const {
  if (position == 1) return "Back";
  if (position == 2) return "Forward";
  return std::string();
}

bool ParkedPaneControls::ButtonEnabled(int position) const {
  if (position == 1) return back_;
  if (position == 2) return forward_;
  return false;
}

void ParkedPaneControls::SetButtonEnabled(int position, bool enabled) {
  if (position == 1) {
    back_ = enabled;
  } else if (position == 2) {
    forward_ = enabled;
  } else {
    throw std::out_of_range("no such toolbar button");
  }
}

}  // namespace corvane
