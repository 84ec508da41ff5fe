#pragma once

#include "layout/LayoutEngine.h"
#include "layout/LayoutModel.h"
#include "layout/SinglePaneModes.h"
#include "layout/ViewMode.h"

namespace corvane {

// The option buttons' click handlers. A click selects its option button before the handler
// runs, so each handler selects its own mode first; running a handler again (as a toolkit that
// reports programmatic selection would) leaves the same state.
class ViewModes {
 public:
  ViewModes(LayoutModel& model, OptionButtons& options, LayoutEngine& engine,
            SinglePaneModes& singlePane);
  ViewModes(const ViewModes&) = delete;
  ViewModes& operator=(const ViewModes&) = delete;

  // Shows every pane control, runs the resize pass and re-places the pane splitter.
  void OptionBoth_Click();
  // A rejected value (a negative height in a tiny window) is skipped and the rest still runs.
  void OptionTop_Click();
  void OptionBottom_Click();

 private:
  LayoutModel& model_;
  OptionButtons& options_;
  LayoutEngine& engine_;
  SinglePaneModes& singlePane_;
};

}  // namespace corvane
