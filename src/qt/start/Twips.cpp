#include "qt/start/Twips.h"

#include <QWidget>

#include <cmath>

namespace corvane {

Twips::Twips(const QWidget* widget) : dpiX_(widget->logicalDpiX()), dpiY_(widget->logicalDpiY()) {}

int Twips::toPixels(double twips) const {
  return static_cast<int>(std::lround(twips * dpiX_ / 1440.0));
}

double Twips::fromPixels(double pixels) const { return pixels * 1440.0 / dpiX_; }

}  // namespace corvane
