#include "qt/platform/QtTimer.h"

namespace corvane {

QtTimer::QtTimer(int intervalMs, QObject* parent) : QObject(parent) {
  timer_.setInterval(intervalMs);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (onTick_) onTick_();
  });
}

bool QtTimer::Enabled() const { return timer_.isActive(); }

void QtTimer::SetEnabled(bool enabled) {
  if (enabled) {
    timer_.start();
  } else {
    timer_.stop();
  }
}

int QtTimer::Interval() const { return timer_.interval(); }

void QtTimer::SetOnTick(std::function<void()> onTick) { onTick_ = std::move(onTick); }

}  // namespace corvane
