#include "qt/platform/QtMousePointer.h"

#include <QApplication>
#include <QCursor>

namespace corvane {

QtMousePointer::~QtMousePointer() {
  if (busy_) QApplication::restoreOverrideCursor();
}

void QtMousePointer::SetMousePointer(MousePointer pointer) {
  const bool busy = pointer == MousePointer::Hourglass;
  if (busy == busy_) return;
  busy_ = busy;
  if (busy) {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  } else {
    QApplication::restoreOverrideCursor();
  }
}

}  // namespace corvane
