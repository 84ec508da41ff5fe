#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "FakeBrowserControl.h"
#include "platform/IPageView.h"

namespace corvane {

// A page view over a fake browser control. It keeps the history a test gives it and records
// what the logic asked of the engine; while it lives, it stands in its maker's list of views,
// which lasts as long as the last view made there.
class FakePageView : public IPageView {
 public:
  using Alive = std::shared_ptr<std::vector<FakePageView*>>;

  FakePageView(int serial, Alive alive) : serial(serial), alive_(std::move(alive)) {
    alive_->push_back(this);
  }
  ~FakePageView() override { alive_->erase(std::find(alive_->begin(), alive_->end(), this)); }

  IBrowserControl& Control() override { return control; }
  std::string SaveHistory() const override { return engineHistory; }
  bool RestoreHistory(const std::string& saved) override {
    restored.push_back(saved);
    if (refuseRestore) return false;
    engineHistory = saved;
    return true;
  }
  PageHistory History() const override { return history; }
  void ClearHistory() override {
    ++historyClears;
    if (history.current >= 0) {
      history.entries = {history.entries[static_cast<size_t>(history.current)]};
      history.current = 0;
    }
    engineHistory = "cleared";
  }
  void SetLifecycle(PageLifecycle state) override { lifecycles.push_back(state); }

  // The control reports that a navigation reached url, titled title, and that its load ended.
  void load(const std::string& url, const std::string& title) {
    control.setBusy(true);
    control.eventSink()->ProgressChange(500, 1000);
    control.setLocationURL(url);
    control.setLocationName(title);
    control.eventSink()->NavigateComplete2();
    control.setBusy(false);
    control.eventSink()->ProgressChange(-1, 0);
    control.eventSink()->DownloadComplete();
  }

  const int serial;
  FakeBrowserControl control;
  PageHistory history;
  std::string engineHistory;
  bool refuseRestore = false;
  std::vector<std::string> restored;
  int historyClears = 0;
  std::vector<PageLifecycle> lifecycles;

 private:
  Alive alive_;
};

}  // namespace corvane
