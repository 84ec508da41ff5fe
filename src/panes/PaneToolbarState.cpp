#include "panes/PaneToolbarState.h"

#include "base/Guarded.h"
#include "platform/IBrowserControl.h"

namespace corvane {

void PaneToolbarState::DisableBackForward() {
  guarded([&] { pane_.tbToolBar.SetButtonEnabled(kBack, false); });
  guarded([&] { pane_.tbToolBar.SetButtonEnabled(kForward, false); });
}

void PaneToolbarState::CommandStateChange(int32_t command, bool enable) {
  // The control reports changes only; a change during folder view is needed when it ends.
  if (command == CSC_NAVIGATEFORWARD) historyForward_ = enable;
  if (command == CSC_NAVIGATEBACK) historyBack_ = enable;
  if (pane_.LocalFile) return;
  guarded([&] {
    if (command == CSC_NAVIGATEFORWARD) {
      pane_.tbToolBar.SetButtonEnabled(kForward, enable);
    } else if (command == CSC_NAVIGATEBACK) {
      pane_.tbToolBar.SetButtonEnabled(kBack, enable);
    }
  });
}

void PaneToolbarState::FolderViewEnded() {
  guarded([&] { pane_.tbToolBar.SetButtonEnabled(kBack, historyBack_); });
  guarded([&] { pane_.tbToolBar.SetButtonEnabled(kForward, historyForward_); });
}

PaneToolbarState::Buttons PaneToolbarState::buttons() const {
  Buttons shown;
  shown.historyBack = historyBack_;
  shown.historyForward = historyForward_;
  guarded([&] { shown.back = pane_.tbToolBar.ButtonEnabled(kBack); });
  guarded([&] { shown.forward = pane_.tbToolBar.ButtonEnabled(kForward); });
  return shown;
}

void PaneToolbarState::setButtons(const Buttons& buttons) {
  historyBack_ = buttons.historyBack;
  historyForward_ = buttons.historyForward;
  if (buttons.back) guarded([&] { pane_.tbToolBar.SetButtonEnabled(kBack, *buttons.back); });
  if (buttons.forward) {
    guarded([&] { pane_.tbToolBar.SetButtonEnabled(kForward, *buttons.forward); });
  }
}

}  // namespace corvane
