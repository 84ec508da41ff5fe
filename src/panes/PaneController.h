#pragma once

#include <cstdint>
#include <string>

#include "panes/Pane.h"
#include "panes/PaneNavigation.h"
#include "panes/PaneToolbarState.h"
#include "platform/IBrowserEvents.h"

namespace corvane {

// One pane's logic: it receives the pane's browser control events and poll timer ticks for as
// long as it lives and hands each to the part it concerns: the navigation (address history,
// status line, progress bar) or the toolbar's Back and Forward buttons.
class PaneController : public IBrowserEvents {
 public:
  // search: what words typed in the pane's address box go to; visits: where the pages it shows
  // are reported.
  PaneController(Pane& pane, const AddressSearch& search, IVisitRecorder& visits);
  ~PaneController() override;
  PaneController(const PaneController&) = delete;
  PaneController& operator=(const PaneController&) = delete;

  Pane& pane() { return pane_; }
  PaneNavigation& navigation() { return navigation_; }
  PaneToolbarState& toolbar() { return toolbar_; }

  // IBrowserEvents
  void StatusTextChange(const std::string& text) override;
  void ProgressChange(int32_t progress, int32_t progressMax) override;
  void CommandStateChange(int32_t command, bool enable) override;
  void NavigateComplete2() override;
  void DownloadComplete() override;

 private:
  Pane& pane_;
  PaneNavigation navigation_;
  PaneToolbarState toolbar_;
};

}  // namespace corvane
