#pragma once

#include <cstdint>
#include <optional>

namespace corvane {

// The alerts, confirmations, prompts and leave-page questions of one page. A page that shows
// one dialog after another may be stopped: from the second that follows the one before in
// quick succession, its sheet offers to show no more for the rest of the page's life. Once the
// user takes the pane elsewhere, the page shows none while it is still there.
class PageDialogs {
 public:
  // How soon after the one before a dialog counts as following it.
  static constexpr int64_t kQuickMs = 3000;

  // Whether the page may still show a dialog.
  bool mayShow() const { return !suppressed_ && !left_; }
  // Whether a dialog shown at `nowMs` offers to suppress the page's later ones.
  bool offersSuppress(int64_t nowMs) const;
  // The dialog has been answered at `nowMs`; `suppressMore` if the user asked for no more.
  void closed(int64_t nowMs, bool suppressMore);
  // The user has sent the pane to another page (an address, Back, Forward, Refresh): the dialog
  // up is answered Cancel, and the page may not hold the pane with another.
  void userLeft() { left_ = true; }

 private:
  std::optional<int64_t> lastClosedMs_;
  bool suppressed_ = false;
  bool left_ = false;
};

}  // namespace corvane
