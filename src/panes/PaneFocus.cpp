#include "panes/PaneFocus.h"

namespace corvane {

std::optional<PaneId> OtherPaneTarget(std::optional<PaneId> focused, bool topShown,
                                      bool bottomShown) {
  const auto shown = [&](PaneId id) { return id == PaneId::Top ? topShown : bottomShown; };
  PaneId wanted = PaneId::Top;
  if (focused) wanted = *focused == PaneId::Top ? PaneId::Bottom : PaneId::Top;
  if (shown(wanted)) return wanted;
  const PaneId instead = wanted == PaneId::Top ? PaneId::Bottom : PaneId::Top;
  if (shown(instead)) return instead;
  return std::nullopt;
}

}  // namespace corvane
