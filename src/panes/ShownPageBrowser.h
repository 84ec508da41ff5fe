#pragma once

#include <cstdint>
#include <string>

#include "panes/PageControl.h"
#include "platform/IBrowserControl.h"

namespace corvane {

// The browser control of a pane that holds several pages (brwWebBrowser1 / brwWebBrowser2): the
// control of the page the pane shows. Every call goes to that page; only that page's events
// reach the sink, the pane's controller. Without a page shown, a call fails.
class ShownPageBrowser : public IBrowserControl {
 public:
  // From now on the pane shows page (nullptr: none).
  void Show(PageControl* page);
  PageControl* shown() const { return shown_; }

  void Navigate(const std::string& address) override { page().Navigate(address); }
  void GoBack() override { page().GoBack(); }
  void GoForward() override { page().GoForward(); }
  void Stop() override { page().Stop(); }
  void Refresh() override { page().Refresh(); }
  void ExecWB(int32_t command, int32_t option) override { page().ExecWB(command, option); }
  std::string LocationURL() const override { return page().LocationURL(); }
  std::string LocationName() const override { return page().LocationName(); }
  bool Busy() const override { return page().Busy(); }
  void SetFocus() override { page().SetFocus(); }
  void SetEventSink(IBrowserEvents* sink) override;

 private:
  PageControl& page() const;

  PageControl* shown_ = nullptr;
  IBrowserEvents* sink_ = nullptr;
};

}  // namespace corvane
