#pragma once

#include <QRect>

#include "qt/start/Twips.h"

namespace corvane {

// A designed rectangle in twips (left, top, width, height) as the widget's pixels.
inline QRect twipsRect(const Twips& twips, double left, double top, double width, double height) {
  return QRect(twips.toPixels(left), twips.toPixels(top), twips.toPixels(width),
               twips.toPixels(height));
}

}  // namespace corvane
