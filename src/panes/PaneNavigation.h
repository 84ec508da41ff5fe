#pragma once

#include <cstdint>
#include <string>

#include "browser/AddressSearch.h"
#include "history/IVisitRecorder.h"
#include "panes/Pane.h"

namespace corvane {

// How one pane is told where to go and how it follows its browser control: the navigation entry,
// the address box's keys, the address history, the status line, the progress bar and the status
// poll. One instance per pane; the pane's controller hands it the control's events and the poll
// timer's ticks.
//
// Failures of the platform calls are ignored one statement at a time: a call that throws is
// skipped and the next one still runs, so a refused address still gets its status line.
class PaneNavigation {
 public:
  // search: what typed words go to; visits: where the pages shown are reported.
  PaneNavigation(Pane& pane, const AddressSearch& search, IVisitRecorder& visits);
  PaneNavigation(const PaneNavigation&) = delete;
  PaneNavigation& operator=(const PaneNavigation&) = delete;

  const AddressSearch& search() const { return search_; }
  IVisitRecorder& visits() const { return visits_; }

  // The navigation entry (cboAddress1_Click / cboAddress2_Click): goes to the address box's text
  // exactly as typed, or for words to their search address; the status line names the text as
  // typed. Does nothing while the pane's address list is being rewritten. An empty text is passed
  // on like any other; the control ignores it.
  void cboAddress_Click();
  // A key typed in the address box: Enter (13) goes to the text; any other key is ordinary typing.
  void cboAddress_KeyPress(int16_t keyAscii);
  // The status poll tick: "working" while the control is busy, then the title, and the timer stops.
  void timTimer_Timer();
  // Switches the status poll on (before a navigation that does not go through the entry).
  void startStatusPoll();

  // The control's events that concern the address, the status line and the progress bar.
  void StatusTextChange(const std::string& text);
  void ProgressChange(int32_t progress, int32_t progressMax);
  void NavigateComplete2();
  void DownloadComplete();

  // The focus has come into the pane's page from elsewhere: screen readers are told which pane
  // and which page, as a sighted user sees where the focus went.
  void PageFocused();

 private:
  void showTitle();
  void showLoaded();
  void showPageShown();
  void recordVisit();

  Pane& pane_;
  const AddressSearch& search_;
  IVisitRecorder& visits_;
  // The navigation entry has asked for an address whose page has not arrived.
  bool pageAwaited_ = false;
};

}  // namespace corvane
