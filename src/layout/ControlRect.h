#pragma once

namespace corvane {

// A control's rectangle in twips, relative to the client area or to its container. Single
// precision on purpose: half twips occur (an odd client height halves to .5) and are kept.
struct ControlRect {
  float Left = 0;
  float Top = 0;
  float Width = 0;
  float Height = 0;
};

inline bool operator==(const ControlRect& a, const ControlRect& b) {
  return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
}
inline bool operator!=(const ControlRect& a, const ControlRect& b) { return !(a == b); }

}  // namespace corvane
