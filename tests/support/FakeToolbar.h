#pragma once

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/IToolbar.h"

namespace corvane {

// A toolbar held in memory: the pane toolbar's eight keys, all enabled, never repainted.
class FakeToolbar : public IToolbar {
 public:
  FakeToolbar() : keys_{"Back", "Forward", "Stop", "Refresh", "Home", "Fav", "Search", "Chat"} {
    enabled_.assign(keys_.size(), true);
  }

  int ButtonCount() const override { return static_cast<int>(keys_.size()); }
  std::string ButtonKey(int position) const override {
    return inRange(position) ? keys_[index(position)] : std::string();
  }
  bool ButtonEnabled(int position) const override {
    return inRange(position) && enabled_[index(position)];
  }
  void SetButtonEnabled(int position, bool enabled) override {
    if (!inRange(position)) throw std::out_of_range("no such toolbar button");
    enabled_[index(position)] = enabled;
  }
  void ToggleFlat() override {}
  void Refresh() override {}

 private:
  bool inRange(int position) const { return position >= 1 && position <= ButtonCount(); }
  static std::size_t index(int position) { return static_cast<std::size_t>(position - 1); }

  std::vector<std::string> keys_;
  std::vector<bool> enabled_;
};

}  // namespace corvane
