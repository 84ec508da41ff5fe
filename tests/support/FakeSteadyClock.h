#pragma once

#include <chrono>

#include "platform/ISteadyClock.h"

namespace corvane {

// A clock that moves only when the test moves it.
class FakeSteadyClock : public ISteadyClock {
 public:
  std::chrono::steady_clock::time_point Now() const override { return now_; }
  void advance(std::chrono::steady_clock::duration by) { now_ += by; }

 private:
  std::chrono::steady_clock::time_point now_{std::chrono::hours(1000)};
};

}  // namespace corvane
