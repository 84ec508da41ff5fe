#include "browser/FindInPage.h"

namespace corvane {

void FindInPage::setText(const std::string& text) {
  text_ = text;
  open_ = true;
  find(false);
}

void FindInPage::setMatchCase(bool on) {
  matchCase_ = on;
  // The engine would go on from its last match under the old rule.
  page_.clearFind();
  find(false);
}

void FindInPage::dismiss() {
  open_ = false;
  page_.clearFind();
  result_.clear();
}

void FindInPage::find(bool backward) {
  if (text_.empty()) {
    page_.clearFind();
    result_.clear();
    return;
  }
  open_ = true;
  page_.find(text_, backward, matchCase_);
}

void FindInPage::answered(int matches, int activeMatch) {
  if (text_.empty() || !open_) {
    result_.clear();
  } else if (matches <= 0) {
    result_ = "No matches";
  } else {
    result_ = std::to_string(activeMatch) + " of " + std::to_string(matches);
  }
}

}  // namespace corvane
