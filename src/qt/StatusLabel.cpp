#include "qt/StatusLabel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace corvane {

StatusLabel::StatusLabel(const QString& objectName, const QString& accessibleName, QWidget* parent)
    : QLabel(parent) {
  setObjectName(objectName);
  setAccessibleName(accessibleName);
  setTextFormat(Qt::PlainText);
  setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

std::string StatusLabel::Caption() const { return text().toStdString(); }

void StatusLabel::SetCaption(const std::string& caption) {
  const QString text = QString::fromStdString(caption);
  setText(text);
  setToolTip(text);
  setAccessibleDescription(text);
}

void StatusLabel::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  const QRect area = contentsRect();
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
  style()->drawItemText(&painter, area, static_cast<int>(alignment()), palette(), isEnabled(),
                        shown, foregroundRole());
}

}  // namespace corvane
