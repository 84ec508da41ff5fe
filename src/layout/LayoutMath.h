#pragma once

#include <cstdint>
#include <optional>

namespace corvane {

// round(): to the nearest 32-bit integer, halves to the even neighbour; none when the value is
// not finite or does not fit.
std::optional<int32_t> roundToInt32(float value);

// 32-bit signed addition; none on overflow.
std::optional<int32_t> addInt32(int32_t a, int32_t b);

// Whether a control takes the value as its Left or Top: any finite value within the 32-bit
// range, negative ones included.
bool acceptsPosition(float value);

// Whether a control takes the value as its Width or Height: a position that is not negative.
bool acceptsSize(float value);

}  // namespace corvane
