#include "qt/pane/PaneProgressBar.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "qt/platform/AccessibleEvents.h"

namespace corvane {

namespace {

constexpr int kValuePauseMs = 500;

class AccessibleProgress : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit AccessibleProgress(QProgressBar* bar)
      : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QRect rect() const override { return idle() ? QRect() : QAccessibleWidget::rect(); }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Value ? bar()->text() : QAccessibleWidget::text(t);
  }
  QVariant currentValue() const override { return bar()->value(); }
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return bar()->maximum(); }
  QVariant minimumValue() const override { return bar()->minimum(); }
  QVariant minimumStepSize() const override { return 0; }

 private:
  QProgressBar* bar() const { return static_cast<QProgressBar*>(widget()); }
  bool idle() const { return bar()->value() <= bar()->minimum(); }
};

QAccessibleInterface* progressFactory(const QString& className, QObject* object) {
  if (className != QLatin1String("corvane::PaneProgressBar") || !object) return nullptr;
  return new AccessibleProgress(static_cast<QProgressBar*>(object));
}

}  // namespace

PaneProgressBar::PaneProgressBar(QWidget* parent) : QProgressBar(parent) {
  static const bool factoryInstalled = (QAccessible::installFactory(progressFactory), true);
  (void)factoryInstalled;
  pause_.setSingleShot(true);
  pause_.setInterval(kValuePauseMs);
  connect(&pause_, &QTimer::timeout, this, [this] {
    if (!held_) return;
    held_ = false;
    QAccessibleValueChangeEvent changed(this, value());
    QAccessible::updateAccessibility(&changed);
  });
  filter_ = AccessibleEvents::addFilter([this](QAccessibleEvent* event) { return pace(event); });
}

PaneProgressBar::~PaneProgressBar() { AccessibleEvents::remove(filter_); }

bool PaneProgressBar::pace(QAccessibleEvent* event) {
  if (event->type() != QAccessible::ValueChanged || event->object() != this) return true;
  if (pause_.isActive()) {
    held_ = true;
    return false;
  }
  pause_.start();
  return true;
}

}  // namespace corvane
