#pragma once

#include "panes/PaneController.h"

namespace corvane {

// Two panes change places with everything they show of their pages: the address box's text and
// list, the status line, the progress bar, the status poll, Back and Forward, and folder view.
// What belongs to the place stays: its home pages and the controls themselves. The pages, with
// their histories, are the window's to exchange; this moves only what the panes keep of them.
void SwapPaneState(PaneController& a, PaneController& b);

}  // namespace corvane
