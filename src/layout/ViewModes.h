#pragma once

#include "layout/LayoutEngine.h"
#include "layout/LayoutModel.h"
#include "layout/SinglePaneModes.h"

namespace corvane {

// The option buttons' click handlers and the "&Browsers" menu commands. A click selects its
// option button before the handler runs, so each handler selects its own mode first; running a
// handler again (as a toolkit that reports programmatic selection would) leaves the same state.
class ViewModes {
 public:
  ViewModes(LayoutModel& model, LayoutEngine& engine, SinglePaneModes& singlePane);
  ViewModes(const ViewModes&) = delete;
  ViewModes& operator=(const ViewModes&) = delete;

  // Shows every pane control, runs the resize pass and re-places the pane splitter.
  void OptionBoth_Click();
  // A rejected value (a negative height in a tiny window) is skipped and the rest still runs.
  void OptionTop_Click();
  void OptionBottom_Click();

  // Invert the own check mark, clear the other two, then apply the item's mode whatever the
  // new check mark is.
  void mnuOptionsBothBrowsers_Click();
  void mnuOptionsTopBrowser_Click();
  void mnuOptionsBottomBrowser_Click();

 private:
  void updateCheckMarks(ViewMode own);

  LayoutModel& model_;
  LayoutEngine& engine_;
  SinglePaneModes& singlePane_;
};

}  // namespace corvane
