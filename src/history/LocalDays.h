#pragma once

#include <cstdint>

#include "platform/IClock.h"

namespace corvane {

// Days of the local calendar, numbered from 1970-01-01, as the clock's time zone has them.
class LocalDays {
 public:
  static constexpr std::int64_t kDayMs = 24LL * 60 * 60 * 1000;

  // The local day a moment falls on.
  static std::int64_t DayOf(std::int64_t atMs, const IClock& clock);
  // The moment a local day begins.
  static std::int64_t StartOf(std::int64_t day, const IClock& clock);
  // 0 for Monday to 6 for Sunday.
  static int Weekday(std::int64_t day);
};

}  // namespace corvane
