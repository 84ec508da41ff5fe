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
  std::string List(int index) const override;
  void AddItem(const std::string& text, int index = -1) override;
  void RemoveItem(int index) override;
  void SetListIndex(int index) override;

  const std::vector<std::string>& entries() const { return entries_; }
  void setEntries(std::vector<std::string> entries) { entries_ = std::move(entries); }
  // Last index selected through SetListIndex (-1: none yet, or the selection was cleared).
  int listIndex() const { return listIndex_; }
  // Runs on every selection of an entry, after the text has been set.
  void setOnClick(std::function<void()> onClick) { onClick_ = std::move(onClick); }

 private:
  bool inRange(int index) const { return index >= 0 && index < ListCount(); }

  std::string text_;
  std::vector<std::string> entries_;
  int listIndex_ = -1;
  std::function<void()> onClick_;
};

}  // namespace corvane
