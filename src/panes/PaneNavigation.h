#pragma once

#include <cstdint>
#include <string>

#include "panes/Pane.h"
#include "platform/IBrowserEvents.h"

namespace corvane {

// How one pane is told where to go and how it follows its browser control: the navigation entry,
// the address box's keys, the address history, the status line, the progress bar and the status
// poll. One instance per pane; it is the pane's control's event sink and its poll timer's tick
// for as long as it lives.
//
// Failures of the platform calls are ignored one statement at a time: a call that throws is
// skipped and the next one still runs, so a refused address still gets its status line.
class PaneNavigation : public IBrowserEvents {
 public:
  explicit PaneNavigation(Pane& pane);
  ~PaneNavigation() override;

  // The navigation entry (cboAddress1_Click / cboAddress2_Click): goes to the address box's text
  // exactly as typed. Does nothing while the pane's address list is being rewritten. An empty text
  // is passed on like any other; the control ignores it.
  void cboAddress_Click();
  // A key typed in the address box: Enter (13) goes to the text; any other key is ordinary typing.
  void cboAddress_KeyPress(int16_t keyAscii);
  // The status poll tick: "working" while the control is busy, then the title, and the timer stops.
  void timTimer_Timer();
  // Switches the status poll on (before a navigation that does not go through the entry).
  void startStatusPoll();

  // IBrowserEvents
  void StatusTextChange(const std::string& text) override;
  void ProgressChange(int32_t progress, int32_t progressMax) override;
  // Back and Forward of the pane's toolbar follow this; the toolbar is not part of the pane yet,
  // so for now the event is deliberately ignored.
  void CommandStateChange(int32_t command, bool enable) override;
  void NavigateComplete2() override;
  void DownloadComplete() override;

 private:
  void showTitle();

  Pane& pane_;
};

}  // namespace corvane
