#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/IBrowserControl.h"
#include "platform/IBrowserEvents.h"

namespace corvane {

// A browser control that renders nothing: it records every call in order, and a test raises the
// control's events through the sink it holds.
//
// Recorded calls: "Navigate:<address>", "GoBack", "GoForward", "Stop", "Refresh",
// "ExecWB:<command>:<option>", "SetFocus".
class FakeBrowserControl : public IBrowserControl {
 public:
  void Navigate(const std::string& address) override {
    calls_.push_back(kNavigate + address);
    if (throwOnNavigate_) throw std::runtime_error("address refused: " + address);
  }
  void GoBack() override { calls_.push_back("GoBack"); }
  void GoForward() override { calls_.push_back("GoForward"); }
  // As the engine's control does, a Stop ends the load under way at once.
  void Stop() override {
    calls_.push_back("Stop");
    if (!busy_) return;
    busy_ = false;
    if (sink_) sink_->DownloadComplete();
  }
  void Refresh() override { calls_.push_back("Refresh"); }
  void ExecWB(int32_t command, int32_t option) override {
    calls_.push_back("ExecWB:" + std::to_string(command) + ":" + std::to_string(option));
  }
  std::string LocationURL() const override { return locationURL_; }
  std::string LocationName() const override { return locationName_; }
  bool Busy() const override { return busy_; }
  void SetFocus() override { calls_.push_back("SetFocus"); }
  void SetEventSink(IBrowserEvents* sink) override { sink_ = sink; }

  const std::vector<std::string>& calls() const { return calls_; }
  void clearCalls() { calls_.clear(); }
  // The addresses passed to Navigate, in order.
  std::vector<std::string> navigations() const {
    std::vector<std::string> addresses;
    for (const std::string& call : calls_) {
      if (call.rfind(kNavigate, 0) == 0) addresses.push_back(call.substr(sizeof kNavigate - 1));
    }
    return addresses;
  }
  IBrowserEvents* eventSink() const { return sink_; }

  void setLocationURL(const std::string& url) { locationURL_ = url; }
  void setLocationName(const std::string& name) { locationName_ = name; }
  void setBusy(bool busy) { busy_ = busy; }
  // While on, Navigate records the call and then throws, like a control refusing an address.
  void setThrowOnNavigate(bool on) { throwOnNavigate_ = on; }

 private:
  static constexpr char kNavigate[] = "Navigate:";

  std::vector<std::string> calls_;
  std::string locationURL_;
  std::string locationName_;
  bool busy_ = false;
  bool throwOnNavigate_ = false;
  IBrowserEvents* sink_ = nullptr;
};

}  // namespace corvane
