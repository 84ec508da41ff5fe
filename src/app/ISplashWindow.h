#pragma once

namespace corvane {

// What the start-up asks of the splash window that runs it.
class ISplashWindow {
 public:
  ISplashWindow() = default;
  ISplashWindow(const ISplashWindow&) = delete;
  ISplashWindow& operator=(const ISplashWindow&) = delete;
  virtual ~ISplashWindow() = default;

  // Closes and unloads the splash window; its timer goes with it.
  virtual void CloseSplash() = 0;
};

}  // namespace corvane
