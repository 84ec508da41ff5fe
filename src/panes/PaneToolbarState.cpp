#include "panes/PaneToolbarState.h"

#include "app/Guarded.h"
#include "platform/IBrowserControl.h"

namespace corvane {

void PaneToolbarState::DisableBackForward() {
  guarded([&] { pane_.tbToolBar.SetButtonEnabled(kBack, false); });
  guarded([&] { pane_.tbToolBar.SetButtonEnabled(kForward, false); });
}

void PaneToolbarState::CommandStateChange(int32_t command, bool enable) {
  if (pane_.LocalFile) return;
  guarded([&] {
    if (command == CSC_NAVIGATEFORWARD) {
      pane_.tbToolBar.SetButtonEnabled(kForward, enable);
    } else if (command == CSC_NAVIGATEBACK) {
      pane_.tbToolBar.SetButtonEnabled(kBack, enable);
    }
  });
}

}  // namespace corvane
