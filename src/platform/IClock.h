#pragma once

#include <cstdint>

namespace corvane {

// The wall clock and the local calendar.
class IClock {
 public:
  IClock() = default;
  IClock(const IClock&) = delete;
  IClock& operator=(const IClock&) = delete;
  virtual ~IClock() = default;

  // Milliseconds since 1970-01-01 00:00 UTC.
  virtual std::int64_t NowMs() const = 0;
  // How far local time is ahead of UTC at that moment, in milliseconds, daylight saving included.
  virtual std::int64_t LocalOffsetMs(std::int64_t atMs) const = 0;
};

}  // namespace corvane
