#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/IReaderView.h"

namespace corvane {

// A reader view that shows or not as it is told, holds the focus in the part it was last given,
// and keeps the calls it had that change anything: "Toggle", "Leave", "Focus:<part number>".
class FakeReaderView : public IReaderView {
 public:
  bool Shown() const override { return shown; }
  void Toggle() override {
    calls.push_back("Toggle");
    shown = !shown;
  }
  void Leave() override {
    calls.push_back("Leave");
    shown = false;
  }
  ReaderPart FocusedPart() const override { return focused; }
  bool FocusPart(ReaderPart part) override {
    if (empty.count(part)) return false;
    focused = part;
    calls.push_back("Focus:" + std::to_string(static_cast<int>(part)));
    return true;
  }

  bool shown = false;
  ReaderPart focused = ReaderPart::None;
  // Parts with nothing to take the focus.
  std::set<ReaderPart> empty;
  std::vector<std::string> calls;
};

}  // namespace corvane
