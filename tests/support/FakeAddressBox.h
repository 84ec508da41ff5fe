#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/IAddressBox.h"

namespace corvane {

// An address box held in memory. Selecting an entry puts it into the text and, like a toolkit
// that raises the click on a programmatic selection, runs the on-click callback if one is set.
class FakeAddressBox : public IAddressBox {
 public:
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }
  int ListCount() const override { return static_cast<int>(entries_.size()); }
  std::string List(int index) const override { return inRange(index) ? at(index) : ""; }
  void AddItem(const std::string& text, int index = -1) override {
    entries_.insert(index < 0 || index > ListCount() ? entries_.end() : entries_.begin() + index,
                    text);
  }
  void RemoveItem(int index) override {
    if (inRange(index)) entries_.erase(entries_.begin() + index);
  }
  void SetListIndex(int index) override {
    listIndex_ = inRange(index) ? index : -1;
    if (listIndex_ < 0) return;
    text_ = at(index);
    if (onClick_) onClick_();
  }

  const std::vector<std::string>& entries() const { return entries_; }
  void setEntries(std::vector<std::string> entries) { entries_ = std::move(entries); }
  // Last index selected through SetListIndex (-1: none yet, or the selection was cleared).
  int listIndex() const { return listIndex_; }
  void setOnClick(std::function<void()> onClick) { onClick_ = std::move(onClick); }

 private:
  bool inRange(int index) const { return index >= 0 && index < ListCount(); }
  const std::string& at(int index) const { return entries_[static_cast<size_t>(index)]; }

  std::string text_;
  std::vector<std::string> entries_;
  int listIndex_ = -1;
  std::function<void()> onClick_;
};

}  // namespace corvane
