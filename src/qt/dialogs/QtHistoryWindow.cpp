#include "qt/dialogs/QtHistoryWindow.h"

#include "qt/dialogs/HistoryWindowDialog.h"
#include "qt/platform/OnScreen.h"

namespace corvane {

QtHistoryWindow::~QtHistoryWindow() { Close(); }

void QtHistoryWindow::Show(HistoryWindow& window) {
  // A window that has closed is gone, even while its deletion is still pending.
  if (dialog_ && dialog_->isVisible()) {
    dialog_->showList();
  } else {
    dialog_ = new HistoryWindowDialog(window, mainWindow_);
  }
  dialog_->show();
  keepOnScreen(dialog_);
  dialog_->raise();
  dialog_->activateWindow();
}

void QtHistoryWindow::Close() {
  // At once: its commands go to logic that may be going too.
  delete dialog_.data();
}

}  // namespace corvane
