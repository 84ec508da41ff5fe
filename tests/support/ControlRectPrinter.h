#pragma once

#include <ostream>

#include "layout/ControlRect.h"

namespace corvane {

// Lets test failures show rectangles as (Left, Top, Width, Height).
inline void PrintTo(const ControlRect& r, std::ostream* os) {
  *os << "(" << r.Left << ", " << r.Top << ", " << r.Width << ", " << r.Height << ")";
}

}  // namespace corvane
