#pragma once

#include <cstdint>

namespace corvane {

// Distances InitLayout derives once from the toolbar and label heights; every pass reads them.
struct LayoutFields {
  int32_t SplitterThickness = 0;
  // From the client top to the top of the browser area.
  int32_t TopReserve = 0;
  // Height reserved below the browser area.
  int32_t BottomReserve = 0;
  // TopReserve + BottomReserve.
  int32_t VerticalReserve = 0;
};

}  // namespace corvane
