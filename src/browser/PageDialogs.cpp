#include "browser/PageDialogs.h"

namespace corvane {

bool PageDialogs::offersSuppress(int64_t nowMs) const {
  return lastClosedMs_ && nowMs - *lastClosedMs_ < kQuickMs;
}

void PageDialogs::closed(int64_t nowMs, bool suppressMore) {
  lastClosedMs_ = nowMs;
  if (suppressMore) suppressed_ = true;
}

}  // namespace corvane
