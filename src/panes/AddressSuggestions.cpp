#include "panes/AddressSuggestions.h"

#include <algorithm>

#include "base/AsciiText.h"
#include "base/Guarded.h"

namespace corvane {

AddressSuggestions::AddressSuggestions(Pane& pane, PaneNavigation& navigation,
                                       ISuggestionList& view, const AddressSuggester& suggester,
                                       const IBrowserControl& otherPane, History& history)
    : pane_(pane),
      navigation_(navigation),
      view_(view),
      suggester_(suggester),
      otherPane_(otherPane),
      history_(history) {}

void AddressSuggestions::Edited(const std::string& text, bool deleting) {
  typed_ = text;
  highlighted_ = -1;
  entries_ = suggester_.Suggest(text, otherPane_);
  if (entries_.empty()) {
    close();
    return;
  }
  if (!deleting) {
    const std::string completed = suggester_.Completion(text);
    if (completed.size() > text.size()) guarded([&] { view_.SetEditText(completed, text.size()); });
  }
  open_ = true;
  guarded([&] { view_.ShowList(entries_); });
}

bool AddressSuggestions::Down() {
  if (!open_) return false;
  highlight(std::min(highlighted_ + 1, static_cast<int>(entries_.size()) - 1));
  return true;
}

bool AddressSuggestions::Up() {
  if (!open_) return false;
  highlight(std::max(highlighted_ - 1, -1));
  return true;
}

void AddressSuggestions::highlight(int entry) {
  highlighted_ = entry;
  guarded([&] { view_.Highlight(entry); });
  // Back above the first entry, the box holds what was typed, without its completion.
  const std::string& text = entry < 0 ? typed_ : entries_[static_cast<std::size_t>(entry)].address;
  guarded([&] { view_.SetEditText(text, text.size()); });
}

bool AddressSuggestions::Enter() {
  if (!open_) return false;
  if (highlighted_ >= 0) {
    const std::string address = entries_[static_cast<std::size_t>(highlighted_)].address;
    guarded([&] { pane_.cboAddress.SetText(address); });
  }
  close();
  navigation_.cboAddress_Click();
  return true;
}

bool AddressSuggestions::Escape() {
  if (!open_) return false;
  close();
  guarded([&] { view_.SetEditText(typed_, typed_.size()); });
  return true;
}

bool AddressSuggestions::ShiftDelete() {
  if (!open_ || highlighted_ < 0) return false;
  const auto at = entries_.begin() + highlighted_;
  if (at->kind != Suggestion::Kind::History) return false;
  history_.Remove(at->address);
  entries_.erase(at);
  if (entries_.empty()) {
    close();
    guarded([&] { view_.SetEditText(typed_, typed_.size()); });
    return true;
  }
  guarded([&] { view_.ShowList(entries_); });
  highlight(std::min(highlighted_, static_cast<int>(entries_.size()) - 1));
  return true;
}

void AddressSuggestions::Chosen(int entry) {
  if (!open_ || entry < 0 || entry >= static_cast<int>(entries_.size())) return;
  highlighted_ = entry;
  Enter();
}

void AddressSuggestions::Closed() {
  open_ = false;
  highlighted_ = -1;
}

void AddressSuggestions::close() {
  const bool wasOpen = open_;
  Closed();
  if (wasOpen) guarded([&] { view_.CloseList(); });
}

}  // namespace corvane
