#pragma once

#include "platform/ISteadyClock.h"

namespace corvane {

// The system's steady clock.
class SteadyClock : public ISteadyClock {
 public:
  std::chrono::steady_clock::time_point Now() const override {
    return std::chrono::steady_clock::now();
  }
};

}  // namespace corvane
