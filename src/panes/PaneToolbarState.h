#pragma once

#include <cstdint>
#include <optional>

#include "panes/Pane.h"

namespace corvane {

// The enabled state of a pane's Back (button 1) and Forward (button 2) buttons. They start
// disabled; then the control's history decides, except in folder view, where the folder steps
// own them. What the history said meanwhile is kept, so that the buttons show it again as soon
// as folder view ends.
class PaneToolbarState {
 public:
  static constexpr int kBack = 1;
  static constexpr int kForward = 2;

  // What the buttons show, and what the control's history allows behind them.
  struct Buttons {
    // Unknown when the toolbar could not say.
    std::optional<bool> back;
    std::optional<bool> forward;
    bool historyBack = false;
    bool historyForward = false;
  };

  explicit PaneToolbarState(Pane& pane) : pane_(pane) {}

  // The start-up state: Back and Forward disabled.
  void DisableBackForward();
  // The control's history changed: command 1 is Forward, command 2 Back; others are ignored,
  // and so is everything while folder view is on.
  void CommandStateChange(int32_t command, bool enable);
  // Folder view has ended: the buttons show what the control's history allows.
  void FolderViewEnded();
  // The buttons as they are, to be shown again on this pane or another one with the same page.
  Buttons buttons() const;
  // Shows buttons that buttons() read; a button it could not read is left as it is.
  void setButtons(const Buttons& buttons);

 private:
  Pane& pane_;
  bool historyBack_ = false;
  bool historyForward_ = false;
};

}  // namespace corvane
