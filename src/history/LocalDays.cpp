#include "history/LocalDays.h"

namespace corvane {

namespace {

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

std::int64_t LocalDays::DayOf(std::int64_t atMs, const IClock& clock) {
  return floorDiv(atMs + clock.LocalOffsetMs(atMs), kDayMs);
}

std::int64_t LocalDays::StartOf(std::int64_t day, const IClock& clock) {
  const std::int64_t localMidnight = day * kDayMs;
  // The offset at midnight itself, found from the offset near it.
  const std::int64_t guess = localMidnight - clock.LocalOffsetMs(localMidnight);
  return localMidnight - clock.LocalOffsetMs(guess);
}

int LocalDays::Weekday(std::int64_t day) {
  // 1970-01-01 was a Thursday.
  return static_cast<int>(((day % 7) + 7 + 3) % 7);
}

}  // namespace corvane
