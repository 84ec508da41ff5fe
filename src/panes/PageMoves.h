#pragma once

#include <optional>

#include "panes/Pane.h"
#include "panes/PanePages.h"

namespace corvane {

// The pane a page opened from a link in pane from goes to: the other pane while the user sends
// from's links there and the other pane shows (a page sent to a hidden pane would seem lost),
// else from itself.
PaneId PaneForLinkedPage(PaneId from, bool linksToOtherPane, bool otherShown);

// Moves a page to the other pane ("Move Page to Other Pane", a tab dropped on the other strip),
// with its history and without a reload: it shows there at index, or last without one.
void MovePageToOtherPane(PanePages& from, int index, PanePages& to, std::optional<int> at = {});

}  // namespace corvane
