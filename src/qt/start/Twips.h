#pragma once

class QWidget;

namespace corvane {

// Converts twips (1/1440 inch) to a widget's logical pixels and back, at its logical DPI
// (15 twips per pixel at 96 dpi); Qt's high-DPI scaling does the rest.
class Twips {
 public:
  explicit Twips(const QWidget* widget);

  int toPixels(double twips) const;
  double fromPixels(double pixels) const;
  double pixelsPerTwipX() const { return dpiX_ / 1440.0; }
  double pixelsPerTwipY() const { return dpiY_ / 1440.0; }

 private:
  double dpiX_;
  double dpiY_;
};

}  // namespace corvane
