#pragma once

#include <cstdint>

#include "platform/IClock.h"

namespace corvane {

// A clock that shows the time it is set to, in a time zone a fixed offset from UTC.
class FakeClock : public IClock {
 public:
  static constexpr std::int64_t kHourMs = 60LL * 60 * 1000;
  static constexpr std::int64_t kDayMs = 24 * kHourMs;

  explicit FakeClock(std::int64_t nowMs = 0, std::int64_t offsetMs = 0)
      : now_(nowMs), offset_(offsetMs) {}

  std::int64_t NowMs() const override { return now_; }
  std::int64_t LocalOffsetMs(std::int64_t) const override { return offset_; }

  void set(std::int64_t nowMs) { now_ = nowMs; }

 private:
  std::int64_t now_;
  std::int64_t offset_;
};

}  // namespace corvane
