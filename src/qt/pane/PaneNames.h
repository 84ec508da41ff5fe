#pragma once

#include <QString>

#include "panes/Pane.h"

namespace corvane {

// The digit that ends the names of a pane's controls ("1" for cboAddress1 of the top pane).
QString paneDigit(PaneId id);
// The pane as a screen reader names it and its controls ("Top", as in "Top address").
QString paneName(PaneId id);

}  // namespace corvane
