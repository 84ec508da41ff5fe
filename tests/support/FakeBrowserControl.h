#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/IBrowserControl.h"

namespace corvane {

class IBrowserEvents;

// A browser control that renders nothing: it records every call in order and lets a test raise
// the control's events, with chosen values, to whatever sink is registered.
//
// Recorded calls: "Navigate:<address>", "GoBack", "GoForward", "Stop", "Refresh",
// "ExecWB:<command>:<option>", "SetFocus".
class FakeBrowserControl : public IBrowserControl {
 public:
  void Navigate(const std::string& address) override;
  void GoBack() override;
  void GoForward() override;
  void Stop() override;
  void Refresh() override;
  void ExecWB(int32_t command, int32_t option) override;
  std::string LocationURL() const override { return locationURL_; }
  std::string LocationName() const override { return locationName_; }
  bool Busy() const override { return busy_; }
  void SetFocus() override;
  void SetEventSink(IBrowserEvents* sink) override { sink_ = sink; }

  const std::vector<std::string>& calls() const { return calls_; }
  void clearCalls() { calls_.clear(); }
  // The addresses passed to Navigate, in order.
  std::vector<std::string> navigations() const;
  IBrowserEvents* eventSink() const { return sink_; }

  void setLocationURL(const std::string& url) { locationURL_ = url; }
  void setLocationName(const std::string& name) { locationName_ = name; }
  void setBusy(bool busy) { busy_ = busy; }
  // While on, Navigate records the call and then throws, like a control refusing an address.
  void setThrowOnNavigate(bool on) { throwOnNavigate_ = on; }

  // Each raises one event to the registered sink; without a sink nothing happens.
  void raiseStatusTextChange(const std::string& text);
  void raiseProgressChange(int32_t progress, int32_t progressMax);
  void raiseNavigateComplete2();
  void raiseDownloadComplete();

 private:
  std::vector<std::string> calls_;
  std::string locationURL_;
  std::string locationName_;
  bool busy_ = false;
  bool throwOnNavigate_ = false;
  IBrowserEvents* sink_ = nullptr;
};

}  // namespace corvane
