#include "FakeAddressBox.h"

namespace corvane {

std::string FakeAddressBox::List(int index) const {
  return inRange(index) ? entries_[static_cast<size_t>(index)] : std::string();
}

void FakeAddressBox::AddItem(const std::string& text, int index) {
  if (index < 0 || index > ListCount()) {
    entries_.push_back(text);
  } else {
    entries_.insert(entries_.begin() + index, text);
  }
}

void FakeAddressBox::RemoveItem(int index) {
  if (inRange(index)) entries_.erase(entries_.begin() + index);
}

void FakeAddressBox::SetListIndex(int index) {
  if (!inRange(index)) {
    listIndex_ = -1;
    return;
  }
  listIndex_ = index;
  text_ = entries_[static_cast<size_t>(index)];
  if (onClick_) onClick_();
}

}  // namespace corvane
