#include "qt/platform/ScreenReaderNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace corvane {

namespace {
QAccessibleInterface* noticeFactory(const QString& className, QObject* object) {
  if (className != QLatin1String("corvane::ScreenReaderNotice") || !object) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
}
}  // namespace

ScreenReaderNotice::ScreenReaderNotice(QWidget* parent) : QWidget(parent) {
  static const bool factoryInstalled = (QAccessible::installFactory(noticeFactory), true);
  (void)factoryInstalled;
  setObjectName(QStringLiteral("screenReaderNotice"));
  setGeometry(0, 0, 1, 1);
}

void ScreenReaderNotice::say(QWidget* parent, const QString& text) {
  if (!QAccessible::isActive()) return;
  auto* notice = parent->findChild<ScreenReaderNotice*>(QString(), Qt::FindDirectChildrenOnly);
  if (!notice) notice = new ScreenReaderNotice(parent);
  // Shown anew for each text: a reader speaks a notification as it appears.
  notice->hide();
  notice->setAccessibleName(text);
  notice->show();
}

}  // namespace corvane
