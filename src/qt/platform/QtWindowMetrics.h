#pragma once

#include "platform/IWindowMetrics.h"

class QMainWindow;

namespace corvane {

// The main window's sizes in twips at 1440 twips per logical inch: the client area is the
// central widget, the outer width the frame's, the screen the one the window is on.
class QtWindowMetrics : public IWindowMetrics {
 public:
  // window: not owned, must outlive the metrics.
  explicit QtWindowMetrics(const QMainWindow* window);

  float ClientWidth() const override;
  float ClientHeight() const override;
  float OuterWidth() const override;
  float ScreenWidth() const override;

 private:
  const QMainWindow* window_;
};

}  // namespace corvane
