#include "qt/SplitterBar.h"

#include <QCursor>
#include <QMouseEvent>

namespace corvane {

namespace {

constexpr qreal kTwipsPerInch = 1440.0;

}  // namespace

SplitterBar::SplitterBar(Qt::CursorShape cursor, QWidget* parent) : QWidget(parent) {
  setCursor(QCursor(cursor));
  setAutoFillBackground(true);
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

QPointF SplitterBar::toTwips(const QPointF& pixels) const {
  const qreal dpiX = logicalDpiX() > 0 ? logicalDpiX() : 96;
  const qreal dpiY = logicalDpiY() > 0 ? logicalDpiY() : 96;
  return {pixels.x() * kTwipsPerInch / dpiX, pixels.y() * kTwipsPerInch / dpiY};
}

}  // namespace corvane
