#include "panes/PaneToolbarState.h"

#include "app/Guarded.h"
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

}  // namespace corvane
