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

// The pane a command meant for `wanted` acts on: that pane while it shows, otherwise the one
// that shows, so that nothing acts on a page the user cannot see. Nothing when neither shows.
std::optional<PaneId> ShownPaneFor(PaneId wanted, bool topShown, bool bottomShown);

// Whose page takes the focus once a view mode has been applied: the shown pane's, when the pane
// holding the focus is hidden now; nothing when the focus may stay where it is.
std::optional<PaneId> FocusAfterViewMode(std::optional<PaneId> focused, bool topShown,
                                         bool bottomShown);

}  // namespace corvane
