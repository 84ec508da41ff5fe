#pragma once

#include <cstdint>
#include <string>

namespace corvane {

// The events a browser control raises, in the order a load raises them:
// StatusTextChange / ProgressChange / CommandStateChange while loading, then
// NavigateComplete2, then DownloadComplete.
class IBrowserEvents {
 public:
  IBrowserEvents() = default;
  IBrowserEvents(const IBrowserEvents&) = delete;
  IBrowserEvents& operator=(const IBrowserEvents&) = delete;
  virtual ~IBrowserEvents() = default;

  // The control's own status text (hovered link, loading message, "Done").
  virtual void StatusTextChange(const std::string& text) = 0;
  // Load progress in the control's units; Progress -1 ends a load.
  virtual void ProgressChange(int32_t progress, int32_t progressMax) = 0;
  // Back (2) or forward (1) became possible or impossible.
  virtual void CommandStateChange(int32_t command, bool enable) = 0;
  // A navigation reached its new page (the page has arrived; images and other parts may still
  // be loading), or the page moved within itself; LocationURL/Name are current.
  virtual void NavigateComplete2() = 0;
  // A load ended, successfully or not.
  virtual void DownloadComplete() = 0;
};

}  // namespace corvane
