#pragma once

#include <string>

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
  // Ends the program with the exit status, once the current event is handled, after writing
  // message (when not empty) to standard error.
  virtual void EndProgram(int status, const std::string& message) = 0;
};

}  // namespace corvane
