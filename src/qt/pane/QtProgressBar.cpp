#include "qt/pane/QtProgressBar.h"

#include <QProgressBar>

#include <cmath>
#include <stdexcept>

namespace corvane {

QtProgressBar::QtProgressBar(QProgressBar* bar) : bar_(bar) {
  bar_->setRange(0, kMaximum);
  bar_->setValue(0);
  bar_->setTextVisible(false);
}

float QtProgressBar::Min() const { return static_cast<float>(bar_->minimum()); }

float QtProgressBar::Max() const { return static_cast<float>(bar_->maximum()); }

float QtProgressBar::Value() const { return static_cast<float>(bar_->value()); }

void QtProgressBar::SetValue(float value) {
  if (!(value >= Min() && value <= Max())) throw std::out_of_range("progress value out of range");
  bar_->setValue(static_cast<int>(std::lround(value)));
}

}  // namespace corvane
