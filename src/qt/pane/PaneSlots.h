#pragma once

#include <array>
#include <cstddef>

#include "panes/Pane.h"

namespace corvane {

// Both panes, in the order the window's arrays of what each pane has hold them: the top first.
inline constexpr std::array<PaneId, 2> kPanes{PaneId::Top, PaneId::Bottom};

// A pane's place in such an array.
constexpr std::size_t paneSlot(PaneId pane) { return pane == PaneId::Top ? 0 : 1; }

}  // namespace corvane
