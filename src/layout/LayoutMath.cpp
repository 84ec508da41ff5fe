#include "layout/LayoutMath.h"

#include <cmath>
#include <limits>

namespace corvane {

namespace {

// 2^31, exactly representable in float; the 32-bit range is [-2^31, 2^31).
constexpr float kTwoPow31 = 2147483648.0f;

}  // namespace

std::optional<int32_t> roundToInt32(float value) {
  if (!std::isfinite(value)) return std::nullopt;
  // The default rounding mode rounds halves to even, as the conversion must.
  const float rounded = std::nearbyint(value);
  if (rounded < -kTwoPow31 || rounded >= kTwoPow31) return std::nullopt;
  return static_cast<int32_t>(rounded);
}

std::optional<int32_t> addInt32(int32_t a, int32_t b) {
  const int64_t sum = static_cast<int64_t>(a) + b;
  if (sum < std::numeric_limits<int32_t>::min() || sum > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(sum);
}

bool acceptsPosition(float value) {
  return std::isfinite(value) && value >= -kTwoPow31 && value < kTwoPow31;
}

bool acceptsSize(float value) { return acceptsPosition(value) && value >= 0; }

}  // namespace corvane
