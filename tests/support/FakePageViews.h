#pragma once

#include <memory>
#include <string>
#include <vector>

#include "FakePageView.h"
#include "platform/IPageViews.h"

namespace corvane {

// A pane's page views as fakes, numbered from 1 as they are made. It records its calls:
// "Create:<n>", "Show:<n>", "Adopt:<n>", "FocusAddressBox".
class FakePageViews : public IPageViews {
 public:
  std::unique_ptr<IPageView> CreatePageView() override {
    auto view = std::make_unique<FakePageView>(++made_, alive_);
    view->refuseRestore = refuseRestore;
    calls_.push_back("Create:" + std::to_string(made_));
    return view;
  }
  void ShowPageView(IPageView& view) override {
    shown_ = &fake(view);
    calls_.push_back("Show:" + std::to_string(shown_->serial));
  }
  void AdoptPageView(IPageView& view) override {
    calls_.push_back("Adopt:" + std::to_string(fake(view).serial));
  }
  void FocusAddressBox() override { calls_.push_back("FocusAddressBox"); }

  // The views made here that still live, oldest first.
  const std::vector<FakePageView*>& alive() const { return *alive_; }
  FakePageView* shown() const { return shown_; }
  const std::vector<std::string>& calls() const { return calls_; }
  void clearCalls() { calls_.clear(); }

  static FakePageView& fake(IPageView& view) { return dynamic_cast<FakePageView&>(view); }

  // Views made from now on refuse a saved history, as an engine of another version would.
  bool refuseRestore = false;

 private:
  int made_ = 0;
  FakePageView::Alive alive_ = std::make_shared<std::vector<FakePageView*>>();
  FakePageView* shown_ = nullptr;
  std::vector<std::string> calls_;
};

}  // namespace corvane
