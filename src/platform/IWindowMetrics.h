#pragma once

namespace corvane {

// The main window's sizes as the layout reads them, in twips (1/1440 inch).
class IWindowMetrics {
 public:
  IWindowMetrics() = default;
  IWindowMetrics(const IWindowMetrics&) = delete;
  IWindowMetrics& operator=(const IWindowMetrics&) = delete;
  virtual ~IWindowMetrics() = default;

  // Width of the client area (the space under the menu bar that the controls share).
  virtual float ClientWidth() const = 0;
  // Height of the client area.
  virtual float ClientHeight() const = 0;
  // Width of the whole window, frame included.
  virtual float OuterWidth() const = 0;
  // Width of the screen the window is on.
  virtual float ScreenWidth() const = 0;
};

}  // namespace corvane
