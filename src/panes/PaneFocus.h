#pragma once

#include <optional>

#include "panes/Pane.h"

namespace corvane {

// The pane whose page the "other pane" key focuses: the other one from the pane that holds the
// focus when that one shows; with one pane shown, that one (from its own address box or toolbar,
// the key leads to its page); with the focus in neither pane, the top one if it shows. Nothing
// when neither pane shows.
std::optional<PaneId> OtherPaneTarget(std::optional<PaneId> focused, bool topShown,
                                      bool bottomShown);

}  // namespace corvane
