#pragma once

#include <string>
#include <vector>

#include "FakeAddressBox.h"
#include "platform/ISuggestionList.h"

namespace corvane {

// A suggestion list held in memory over a fake address box, whose text it sets as the real list
// sets its box's.
class FakeSuggestionList : public ISuggestionList {
 public:
  explicit FakeSuggestionList(FakeAddressBox& box) : box_(box) {}

  void ShowList(const std::vector<Suggestion>& entries) override {
    shown_ = entries;
    open_ = true;
    highlighted_ = -1;
  }
  void Highlight(int entry) override { highlighted_ = entry; }
  void CloseList() override { open_ = false; }
  void SetEditText(const std::string& text, std::size_t selectedFrom) override {
    box_.SetText(text);
    selected_ = text.substr(selectedFrom);
  }

  bool open() const { return open_; }
  const std::vector<Suggestion>& shown() const { return shown_; }
  int highlighted() const { return highlighted_; }
  // The selected end of the box's text: what the box completed.
  const std::string& selected() const { return selected_; }

 private:
  FakeAddressBox& box_;
  std::vector<Suggestion> shown_;
  int highlighted_ = -1;
  bool open_ = false;
  std::string selected_;
};

}  // namespace corvane
