#include "qt/platform/QtTimer.h"

#include <QPointer>

namespace corvane {

QtTimer::QtTimer(int intervalMs, QObject* parent) : QObject(parent) {
  timer_.setInterval(intervalMs);
  connect(&timer_, &QTimer::timeout, this, [this] {
    const QPointer<QtTimer> self(this);
    if (onTick_) onTick_();
    if (self) Q_EMIT ticked();
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
