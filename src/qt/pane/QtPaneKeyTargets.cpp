#include "qt/pane/QtPaneKeyTargets.h"

#include <QComboBox>
#include <QLineEdit>
#include <QWebEngineView>

#include "qt/pane/FindBar.h"

namespace corvane {

void QtPaneKeyTargets::OpenFind() { findBar_->open(); }

void QtPaneKeyTargets::FindNext() {
  if (findBar_->hasText()) {
    findBar_->findNext();
  } else {
    findBar_->open();
  }
}

void QtPaneKeyTargets::FocusAddress() {
  address_->setFocus(Qt::ShortcutFocusReason);
  address_->lineEdit()->selectAll();
}

void QtPaneKeyTargets::ReloadBypassingCache() {
  if (QWebEngineView* view = shownView_()) {
    view->triggerPageAction(QWebEnginePage::ReloadAndBypassCache);
  }
}

}  // namespace corvane
