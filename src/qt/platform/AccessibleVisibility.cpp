#include "qt/platform/AccessibleVisibility.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QWidget>

#include "qt/platform/AccessibleStateChange.h"

namespace corvane {

void AccessibleVisibility::install() {
  static const bool installed = [] {
    auto* filter = new AccessibleVisibility;
    filter->setParent(qApp);
    qApp->installEventFilter(filter);
    return true;
  }();
  (void)installed;
}

bool AccessibleVisibility::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  // A window minimized or restored stays what it was.
  if ((type == QEvent::Show || type == QEvent::Hide) && !event->spontaneous() &&
      watched->isWidgetType() && QAccessible::isActive()) {
    sendAccessibleStateChange(QAccessible::queryAccessibleInterface(watched),
                              QStringLiteral("visible"), type == QEvent::Show);
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace corvane
