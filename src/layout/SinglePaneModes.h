#pragma once

#include "layout/ControlId.h"
#include "layout/LayoutModel.h"
#include "layout/ViewMode.h"
#include "platform/IWindowMetrics.h"

namespace corvane {

// What a single-pane operation does when a control rejects a value.
enum class OnRejected {
  // Skip that rule and go on (a click or a menu command).
  kSkipRule,
  // End the operation there (the last step of a resize pass, which ends with it).
  kEndOperation,
};

// View modes Top and Bottom: hide the other pane and the pane splitter, stretch the remaining
// browser over the freed space and align the favorites header and tree with it. The resize
// pass runs these as its last step, so they never run a pass themselves.
class SinglePaneModes {
 public:
  SinglePaneModes(LayoutModel& model, OptionButtons& options, const IWindowMetrics& metrics);
  SinglePaneModes(const SinglePaneModes&) = delete;
  SinglePaneModes& operator=(const SinglePaneModes&) = delete;

  // Selects OptionTop and applies view mode Top.
  void OptionTop_Click(OnRejected onRejected);
  // Applies view mode Bottom; its callers have selected OptionBottom already.
  void OptionBottom_Click(OnRejected onRejected);

 private:
  // The favorites header on the browser's Top, the tree below it down to the browser's bottom.
  void alignFavorites(ControlId browser, OnRejected onRejected);

  LayoutModel& model_;
  OptionButtons& options_;
  const IWindowMetrics& metrics_;
};

}  // namespace corvane
