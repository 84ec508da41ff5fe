#include "qt/QtStatusLine.h"

#include <QLabel>

namespace corvane {

QtStatusLine::QtStatusLine(QLabel* label) : label_(label) { label_->setTextFormat(Qt::PlainText); }

std::string QtStatusLine::Caption() const { return label_->text().toStdString(); }

void QtStatusLine::SetCaption(const std::string& text) {
  label_->setText(QString::fromStdString(text));
}

}  // namespace corvane
