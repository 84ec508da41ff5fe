#pragma once

#include <map>
#include <string>

#include "FakeMessageBox.h"
#include "platform/IHomePagesWindow.h"

namespace corvane {

// A Home pages window without widgets: it holds the four field texts while loaded, lets a test
// press its buttons, and counts showings.
class FakeHomePagesWindow : public IHomePagesWindow {
 public:
  bool IsLoaded() const override { return events_ != nullptr; }
  void Load(IHomePagesEvents& events) override {
    events_ = &events;
    texts_.clear();
  }
  std::string Text(HomePageField field) const override {
    const auto it = texts_.find(field);
    return IsLoaded() && it != texts_.end() ? it->second : std::string();
  }
  void SetText(HomePageField field, const std::string& text) override {
    if (IsLoaded()) texts_[field] = text;
  }
  void Show() override { ++shows_; }
  void Unload() override {
    if (!IsLoaded()) return;
    events_ = nullptr;
    texts_.clear();
  }

  IMessageBox& Messages() override { return messages_; }
  const FakeMessageBox& messages() const { return messages_; }

  // Where the window's buttons report; only while loaded.
  IHomePagesEvents& events() { return *events_; }

  int shows() const { return shows_; }

 private:
  IHomePagesEvents* events_ = nullptr;
  std::map<HomePageField, std::string> texts_;
  int shows_ = 0;
  FakeMessageBox messages_;
};

}  // namespace corvane
