#pragma once

#include <functional>

namespace corvane {

// A UI-thread timer that ticks while enabled.
class ITimer {
 public:
  ITimer() = default;
  ITimer(const ITimer&) = delete;
  ITimer& operator=(const ITimer&) = delete;
  virtual ~ITimer() = default;

  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual int Interval() const = 0;
  // What runs on each tick.
  virtual void SetOnTick(std::function<void()> onTick) = 0;
};

}  // namespace corvane
