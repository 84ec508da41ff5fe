#pragma once

namespace corvane {

// The size of a pop-up's window: the page area its page asked for (window.open's width and
// height), with room for the window's own address line, or a dialog's size where it asked for
// none; never larger than the screen's free area, nor too small to use.
struct PopupSize {
  static constexpr int kDefaultWidth = 520;
  static constexpr int kDefaultHeight = 600;
  static constexpr int kMinimum = 100;

  // The window for a page area of `width` by `height` (0 where not asked) below `chrome` pixels
  // of the window's own, on a screen whose free area is `screenWidth` by `screenHeight` (0 when
  // not known).
  static PopupSize fit(int width, int height, int chrome, int screenWidth, int screenHeight);

  int width = kDefaultWidth;
  int height = kDefaultHeight;
};

}  // namespace corvane
