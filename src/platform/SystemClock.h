#pragma once

#include "platform/IClock.h"

namespace corvane {

// The machine's clock and time zone.
class SystemClock : public IClock {
 public:
  std::int64_t NowMs() const override;
  std::int64_t LocalOffsetMs(std::int64_t atMs) const override;
};

}  // namespace corvane
