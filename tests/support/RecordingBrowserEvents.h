#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/IBrowserEvents.h"

namespace corvane {

// An event sink that writes down every event it receives, in order:
// "Status:<text>", "Progress:<progress>/<max>", "Command:<command>=<0|1>", "NavigateComplete2",
// "DownloadComplete". A test may add what it wants to know at the moment of an event.
class RecordingBrowserEvents : public IBrowserEvents {
 public:
  void StatusTextChange(const std::string& text) override { record("Status:" + text); }
  void ProgressChange(int32_t progress, int32_t progressMax) override {
    record("Progress:" + std::to_string(progress) + "/" + std::to_string(progressMax));
  }
  void CommandStateChange(int32_t command, bool enable) override {
    record("Command:" + std::to_string(command) + "=" + (enable ? "1" : "0"));
  }
  void NavigateComplete2() override { record("NavigateComplete2"); }
  void DownloadComplete() override { record("DownloadComplete"); }

  const std::vector<std::string>& events() const { return fresh_; }
  // The events recorded since the last take().
  std::vector<std::string> take() { return std::exchange(fresh_, {}); }
  // Called after each event is recorded, with its record.
  void setOnEvent(std::function<void(const std::string&)> onEvent) {
    onEvent_ = std::move(onEvent);
  }

 private:
  void record(const std::string& event) {
    fresh_.push_back(event);
    if (onEvent_) onEvent_(event);
  }

  std::vector<std::string> fresh_;
  std::function<void(const std::string&)> onEvent_;
};

}  // namespace corvane
