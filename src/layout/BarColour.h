#pragma once

namespace corvane {

// Background of a splitter bar: the window's own colour, or the selection highlight while the
// favorites splitter is being dragged.
enum class BarColour { Window, Highlight };

}  // namespace corvane
