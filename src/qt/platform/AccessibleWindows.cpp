#include "qt/platform/AccessibleWindows.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QScrollBar>
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

const char kSeparatorProperty[] = "corvaneSeparator";

QAccessibleInterface* windowFactory(const QString& className, QObject* object) {
  // Asked for each class from the most derived up; the toolkit's own window classes answer
  // before this one is asked for their base.
  if (!object || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (widget->property(kSeparatorProperty).toBool()) {
    return new QAccessibleWidget(widget, QAccessible::Separator);
  }
  if (className != QLatin1String("QWidget")) return nullptr;
  const Qt::WindowType type = widget->windowType();
  if (type != Qt::Window && type != Qt::Dialog && type != Qt::SplashScreen) return nullptr;
  return new AccessibleWindow(widget,
                              type == Qt::Dialog ? QAccessible::Dialog : QAccessible::Window);
}

}  // namespace

void installWindowAccessibility() {
  static const bool installed = (QAccessible::installFactory(windowFactory), true);
  (void)installed;
}

void nameScrollParts(QAbstractScrollArea* area) {
  const QString name = area->accessibleName();
  area->viewport()->setAccessibleName(name);
  const struct {
    QScrollBar* bar;
    QString words;
  } bars[] = {{area->verticalScrollBar(), QObject::tr("%1, vertical scroll bar")},
              {area->horizontalScrollBar(), QObject::tr("%1, horizontal scroll bar")}};
  for (const auto& part : bars) {
    part.bar->setAccessibleName(part.words.arg(name));
    // The toolkit holds each bar in a strip of its own.
    if (QWidget* strip = part.bar->parentWidget(); strip && strip != area) {
      strip->setAccessibleName(part.words.arg(name));
    }
  }
}

void markAsSeparator(QWidget* line) {
  installWindowAccessibility();
  line->setProperty(kSeparatorProperty, true);
}

}  // namespace corvane
