#include "platform/SystemClock.h"

#include <time.h>

#include <chrono>

namespace corvane {

std::int64_t SystemClock::NowMs() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

std::int64_t SystemClock::LocalOffsetMs(std::int64_t atMs) const {
  const time_t seconds = static_cast<time_t>(atMs / 1000);
  struct tm local = {};
  if (!localtime_r(&seconds, &local)) return 0;
  return static_cast<std::int64_t>(local.tm_gmtoff) * 1000;
}

}  // namespace corvane
