#include "panes/PaneFocus.h"

namespace corvane {

namespace {

PaneId otherOf(PaneId id) { return id == PaneId::Top ? PaneId::Bottom : PaneId::Top; }

}  // namespace

std::optional<PaneId> OtherPaneTarget(std::optional<PaneId> focused, bool topShown,
                                      bool bottomShown) {
  return ShownPaneFor(focused ? otherOf(*focused) : PaneId::Top, topShown, bottomShown);
}

std::optional<PaneId> ShownPaneFor(PaneId wanted, bool topShown, bool bottomShown) {
  const auto shown = [&](PaneId id) { return id == PaneId::Top ? topShown : bottomShown; };
  if (shown(wanted)) return wanted;
  if (shown(otherOf(wanted))) return otherOf(wanted);
  return std::nullopt;
}

std::optional<PaneId> FocusAfterViewMode(std::optional<PaneId> focused, bool topShown,
                                         bool bottomShown) {
  if (!focused) return std::nullopt;
  const std::optional<PaneId> shown = ShownPaneFor(*focused, topShown, bottomShown);
  if (shown == focused) return std::nullopt;
  return shown;
}

}  // namespace corvane
