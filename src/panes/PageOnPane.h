#pragma once

#include <optional>
#include <string>

#include "panes/FolderListing.h"
#include "panes/PaneController.h"
#include "panes/PaneToolbarState.h"

namespace corvane {

// What a pane shows of the page it shows, taken off the pane's controls so that another pane, or
// this pane when it shows the page again, shows the same: the address box's text (not its list
// of earlier addresses, which is the pane's), the status line, the progress bar, the status
// poll, Back and Forward with the history behind them, and folder view. A value a control could
// not give is left out, and the control it goes to keeps its own.
struct PageOnPane {
  std::optional<std::string> text;
  std::optional<std::string> caption;
  std::optional<float> progress;
  std::optional<bool> polling;
  PaneToolbarState::Buttons buttons;
  FolderListing File;
  std::string PathName;
  bool LocalFile = false;

  // Reads the page off the pane; the folder view's listing is moved out, not copied.
  static PageOnPane TakeFrom(PaneController& pane);
  // Shows the page on the pane.
  void GiveTo(PaneController& pane) &&;
};

}  // namespace corvane
