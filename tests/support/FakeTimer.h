#pragma once

#include <functional>
#include <utility>

#include "platform/ITimer.h"

namespace corvane {

// A timer that ticks only when the test says so.
class FakeTimer : public ITimer {
 public:
  explicit FakeTimer(int interval = 0) : interval_(interval) {}

  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  int Interval() const override { return interval_; }
  void SetOnTick(std::function<void()> onTick) override { onTick_ = std::move(onTick); }

  bool hasOnTick() const { return static_cast<bool>(onTick_); }
  // One tick: runs the callback if the timer is enabled and has one; returns whether it ran.
  bool tick() {
    if (!enabled_ || !onTick_) return false;
    onTick_();
    return true;
  }

 private:
  int interval_;
  bool enabled_ = false;
  std::function<void()> onTick_;
};

}  // namespace corvane
