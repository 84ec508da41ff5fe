#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <optional>

#include "panes/Pane.h"

namespace corvane {

// Where a page is scrolled: `position` pixels down a scrollable height of `range` pixels (the
// document's height less the part the view shows; 0 when it all fits).
struct ScrollExtent {
  double position = 0;
  double range = 0;
};

// Synchronized scrolling: while on, a page scrolled in one pane takes the other pane's page to
// the same fraction of its scrollable height, for comparing two versions of a page. The scroll
// this asks for comes back from the other page as a scroll of its own; it is recognised as that
// echo and not passed back, so the two pages never chase each other, even while a quick scroll
// has several of them on their way.
class ScrollSync {
 public:
  bool Enabled() const { return enabled_; }
  // Switching it either way forgets the scrolls on their way.
  void SetEnabled(bool on);
  // The pages changed panes: a scroll on its way is no longer where it was sent.
  void Forget();

  // The page in `pane` has scrolled to `page`; `other` is where the other pane's page stands.
  // Returns the position to scroll the other page to, or nothing: when off, for the echo of a
  // scroll this asked for, or when the other page stands there already or cannot scroll.
  std::optional<double> Scrolled(PaneId pane, ScrollExtent page, ScrollExtent other);

 private:
  // Pages report whole pixels; a target may lie between two.
  static constexpr double kTolerance = 1.5;
  // A page may skip positions asked of it on the way; their echoes never come.
  static constexpr std::size_t kMaxPending = 16;
  static std::size_t slot(PaneId pane) { return pane == PaneId::Top ? 0 : 1; }

  bool enabled_ = false;
  // Per pane, the positions asked of its page whose echoes have not come, oldest first.
  std::array<std::deque<double>, 2> pending_{};
};

}  // namespace corvane
