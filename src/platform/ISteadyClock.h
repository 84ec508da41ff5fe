#pragma once

#include <chrono>

namespace corvane {

// A clock that only moves forward, for how long something has lasted (not for dates).
class ISteadyClock {
 public:
  ISteadyClock() = default;
  ISteadyClock(const ISteadyClock&) = delete;
  ISteadyClock& operator=(const ISteadyClock&) = delete;
  virtual ~ISteadyClock() = default;

  virtual std::chrono::steady_clock::time_point Now() const = 0;
};

}  // namespace corvane
