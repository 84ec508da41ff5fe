#include "browser/PopupSize.h"

#include <algorithm>
#include <cstdint>

namespace corvane {

namespace {
// A page may ask for any size at all; the sum is made where it cannot overflow.
int within(int asked, int fallback, int extra, int screen) {
  const int64_t wanted =
      asked > 0 ? int64_t{std::max(asked, PopupSize::kMinimum)} + extra : int64_t{fallback};
  const int64_t largest = screen > 0 ? std::max(screen, PopupSize::kMinimum) : INT32_MAX;
  return static_cast<int>(std::min(wanted, largest));
}
}  // namespace

PopupSize PopupSize::fit(int width, int height, int chrome, int screenWidth, int screenHeight) {
  PopupSize size;
  size.width = within(width, kDefaultWidth, 0, screenWidth);
  size.height = within(height, kDefaultHeight, chrome, screenHeight);
  return size;
}

}  // namespace corvane
