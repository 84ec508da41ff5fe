#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/IPageTabs.h"

namespace corvane {

// A strip of page tabs held in memory. An index no tab has is refused, as a fault of the caller.
class FakePageTabs : public IPageTabs {
 public:
  struct Tab {
    std::string title;
    bool loading = false;
    bool marked = false;
  };

  void InsertTab(int index, const std::string& title) override {
    if (index < 0 || index > count()) throw std::out_of_range("no place for a tab there");
    tabs_.insert(tabs_.begin() + index, Tab{title});
  }
  void RemoveTab(int index) override { tabs_.erase(tabs_.begin() + checked(index)); }
  void SetTabTitle(int index, const std::string& title) override {
    tabs_[checked(index)].title = title;
  }
  void SetTabLoading(int index, bool loading) override { tabs_[checked(index)].loading = loading; }
  void SetTabMarked(int index, bool marked) override { tabs_[checked(index)].marked = marked; }
  void SetCurrentTab(int index) override { current_ = static_cast<int>(checked(index)); }
  void SetStripVisible(bool visible) override { visible_ = visible; }

  int count() const { return static_cast<int>(tabs_.size()); }
  const Tab& tab(int index) const { return tabs_.at(static_cast<size_t>(index)); }
  std::vector<std::string> titles() const {
    std::vector<std::string> titles;
    for (const Tab& tab : tabs_) titles.push_back(tab.title);
    return titles;
  }
  int current() const { return current_; }
  bool visible() const { return visible_; }

 private:
  size_t checked(int index) const {
    if (index < 0 || index >= count()) throw std::out_of_range("no such tab");
    return static_cast<size_t>(index);
  }

  std::vector<Tab> tabs_;
  int current_ = -1;
  bool visible_ = true;
};

}  // namespace corvane
