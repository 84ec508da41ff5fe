#include "panes/PaneToolbarState.h"

#include <utility>

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

void PaneToolbarState::SwapWith(PaneToolbarState& other) {
  std::swap(historyBack_, other.historyBack_);
  std::swap(historyForward_, other.historyForward_);
  for (int button : {kBack, kForward}) {
    bool mine = false;
    bool theirs = false;
    if (!guarded([&] { mine = pane_.tbToolBar.ButtonEnabled(button); }) ||
        !guarded([&] { theirs = other.pane_.tbToolBar.ButtonEnabled(button); })) {
      continue;
    }
    guarded([&] { pane_.tbToolBar.SetButtonEnabled(button, theirs); });
    guarded([&] { other.pane_.tbToolBar.SetButtonEnabled(button, mine); });
  }
}

}  // namespace corvane
