#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/IBrowserControl.h"
#include "platform/IBrowserEvents.h"

namespace corvane {

// What a page's event was, for the page's tab: a navigation or a finished load changes what the
// page is (its address, its title), the others only whether it is loading.
enum class PageEvent { Progress, Navigated, Loaded };

// One page's browser control as its pane sees it. Calls go to the page's own control. The
// control's events go to the pane's controller while the pane shows the page, else to the sink
// of the page's own (the controller of what the page keeps while hidden); after each, the page
// hears of it for its tab.
class PageControl : public IBrowserControl, private IBrowserEvents {
 public:
  PageControl(IBrowserControl& control, std::function<void(PageEvent)> onEvent);
  ~PageControl() override;
  PageControl(const PageControl&) = delete;
  PageControl& operator=(const PageControl&) = delete;

  // The pane's controller while the pane shows this page, nullptr while it does not.
  void setPaneSink(IBrowserEvents* sink) { paneSink_ = sink; }

  // IBrowserControl: the page's control. SetEventSink names the sink for while it is hidden.
  void Navigate(const std::string& address) override { control_.Navigate(address); }
  void GoBack() override { control_.GoBack(); }
  void GoForward() override { control_.GoForward(); }
  void Stop() override { control_.Stop(); }
  void Refresh() override { control_.Refresh(); }
  void ExecWB(int32_t command, int32_t option) override { control_.ExecWB(command, option); }
  std::string LocationURL() const override { return control_.LocationURL(); }
  std::string LocationName() const override { return control_.LocationName(); }
  bool Busy() const override { return control_.Busy(); }
  void SetFocus() override { control_.SetFocus(); }
  void SetEventSink(IBrowserEvents* sink) override { hiddenSink_ = sink; }

 private:
  // IBrowserEvents, from the page's control.
  void StatusTextChange(const std::string& text) override;
  void ProgressChange(int32_t progress, int32_t progressMax) override;
  void CommandStateChange(int32_t command, bool enable) override;
  void NavigateComplete2() override;
  void DownloadComplete() override;

  IBrowserEvents* sink() const { return paneSink_ != nullptr ? paneSink_ : hiddenSink_; }
  void tell(PageEvent event);

  IBrowserControl& control_;
  std::function<void(PageEvent)> onEvent_;
  IBrowserEvents* paneSink_ = nullptr;
  IBrowserEvents* hiddenSink_ = nullptr;
};

}  // namespace corvane
