#include "panes/ScrollSync.h"

#include <algorithm>
#include <cmath>

namespace corvane {

void ScrollSync::SetEnabled(bool on) {
  enabled_ = on;
  Forget();
}

void ScrollSync::Forget() { pending_ = {}; }

std::optional<double> ScrollSync::Scrolled(PaneId pane, ScrollExtent page, ScrollExtent other) {
  if (!enabled_) return std::nullopt;
  std::deque<double>& echoes = pending_[slot(pane)];
  const auto echo = std::find_if(echoes.begin(), echoes.end(), [&](double asked) {
    return std::fabs(page.position - asked) <= kTolerance;
  });
  if (echo != echoes.end()) {
    // The page has come this far; what was asked of it before is behind it.
    echoes.erase(echoes.begin(), echo + 1);
    return std::nullopt;
  }
  if (other.range <= 0) return std::nullopt;
  const double fraction = page.range > 0 ? std::clamp(page.position / page.range, 0.0, 1.0) : 0.0;
  const double target = std::round(fraction * other.range);
  if (std::fabs(target - other.position) <= kTolerance) return std::nullopt;
  std::deque<double>& asked = pending_[slot(pane == PaneId::Top ? PaneId::Bottom : PaneId::Top)];
  asked.push_back(target);
  if (asked.size() > kMaxPending) asked.pop_front();
  return target;
}

}  // namespace corvane
