#include "qt/AccessibleWindows.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace corvane {

namespace {

// Its name is the one given to it, else its title, as a window list shows it.
class AccessibleWindow : public QAccessibleWidget {
 public:
  AccessibleWindow(QWidget* window, QAccessible::Role role) : QAccessibleWidget(window, role) {}

  QString text(QAccessible::Text t) const override {
    QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty()) text = widget()->windowTitle().trimmed();
    return text;
  }
};

QAccessibleInterface* windowFactory(const QString& className, QObject* object) {
  // Asked for each class from the most derived up; the toolkit's own window classes answer
  // before this one is asked for their base.
  if (className != QLatin1String("QWidget") || !object || !object->isWidgetType()) {
    return nullptr;
  }
  auto* widget = static_cast<QWidget*>(object);
  const Qt::WindowType type = widget->windowType();
  if (type != Qt::Window && type != Qt::Dialog) return nullptr;
  return new AccessibleWindow(widget,
                              type == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window);
}

}  // namespace

void installWindowAccessibility() {
  static const bool installed = (QAccessible::installFactory(windowFactory), true);
  (void)installed;
}

}  // namespace corvane
