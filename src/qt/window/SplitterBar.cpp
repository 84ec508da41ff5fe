#include "qt/window/SplitterBar.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace corvane {

namespace {

constexpr qreal kTwipsPerInch = 1440.0;
constexpr int kKeyStep = 10;
constexpr int kBigKeyStep = 50;

// The bar as a screen reader sees it: a splitter with its position as a value it can set.
class AccessibleSplitterBar : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit AccessibleSplitterBar(SplitterBar* bar)
      : QAccessibleWidget(bar, QAccessible::Splitter) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QVariant currentValue() const override { return bar()->position(); }
  void setCurrentValue(const QVariant& value) override {
    bar()->moveBy(value.toInt() - bar()->position());
  }
  QVariant maximumValue() const override {
    const QWidget* parent = bar()->parentWidget();
    if (!parent) return 0;
    return bar()->travel() == Qt::Vertical ? parent->height() : parent->width();
  }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return kKeyStep; }

 private:
  SplitterBar* bar() const { return static_cast<SplitterBar*>(widget()); }
};

QAccessibleInterface* accessibleSplitterFactory(const QString& className, QObject* object) {
  if (className == QLatin1String("corvane::SplitterBar") && object && object->isWidgetType()) {
    return new AccessibleSplitterBar(static_cast<SplitterBar*>(object));
  }
  return nullptr;
}

}  // namespace

SplitterBar::SplitterBar(Qt::Orientation travel, QWidget* parent)
    : QWidget(parent), travel_(travel) {
  static const bool factoryInstalled =
      (QAccessible::installFactory(accessibleSplitterFactory), true);
  (void)factoryInstalled;
  setCursor(QCursor(travel == Qt::Vertical ? Qt::SizeVerCursor : Qt::SplitHCursor));
  setAutoFillBackground(true);
  setFocusPolicy(Qt::TabFocus);
}

void SplitterBar::setTravel(Qt::Orientation travel) {
  if (travel == travel_) return;
  travel_ = travel;
  setCursor(QCursor(travel == Qt::Vertical ? Qt::SizeVerCursor : Qt::SplitHCursor));
}

int SplitterBar::position() const { return travel_ == Qt::Vertical ? y() : x(); }

void SplitterBar::moveBy(int deltaPixels) {
  if (deltaPixels == 0) return;
  const float delta =
      static_cast<float>((travel_ == Qt::Vertical ? toTwips({0, qreal(deltaPixels)}).y()
                                                  : toTwips({qreal(deltaPixels), 0}).x()));
  // What a drag from the bar's own edge by that distance reports.
  Q_EMIT pressed(0, 0);
  if (travel_ == Qt::Vertical) {
    Q_EMIT released(0, delta);
  } else {
    Q_EMIT moved(delta, 0);
    Q_EMIT released(0, 0);
  }
  QAccessibleValueChangeEvent change(this, position());
  QAccessible::updateAccessibility(&change);
}

void SplitterBar::mousePressEvent(QMouseEvent* event) {
  const QPointF at = toTwips(event->position());
  event->accept();
  Q_EMIT pressed(static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void SplitterBar::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = toTwips(event->position());
  event->accept();
  Q_EMIT moved(static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void SplitterBar::mouseReleaseEvent(QMouseEvent* event) {
  const QPointF at = toTwips(event->position());
  event->accept();
  Q_EMIT released(static_cast<float>(at.x()), static_cast<float>(at.y()));
}

void SplitterBar::keyPressEvent(QKeyEvent* event) {
  const int step = event->modifiers() & Qt::ShiftModifier ? kBigKeyStep : kKeyStep;
  const bool vertical = travel_ == Qt::Vertical;
  switch (event->key()) {
    case Qt::Key_Up:
      if (vertical) return moveBy(-step);
      break;
    case Qt::Key_Down:
      if (vertical) return moveBy(step);
      break;
    case Qt::Key_Left:
      if (!vertical) return moveBy(-step);
      break;
    case Qt::Key_Right:
      if (!vertical) return moveBy(step);
      break;
    default:
      break;
  }
  QWidget::keyPressEvent(event);
}

void SplitterBar::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (!hasFocus()) return;
  // A keyboard user must see which bar the arrows will move.
  QPainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

QPointF SplitterBar::toTwips(const QPointF& pixels) const {
  const qreal dpiX = logicalDpiX() > 0 ? logicalDpiX() : 96;
  const qreal dpiY = logicalDpiY() > 0 ? logicalDpiY() : 96;
  return {pixels.x() * kTwipsPerInch / dpiX, pixels.y() * kTwipsPerInch / dpiY};
}

}  // namespace corvane
