#pragma once

#include <vector>

#include "platform/IMousePointer.h"

namespace corvane {

// A mouse pointer that records each picture it was set to.
class FakeMousePointer : public IMousePointer {
 public:
  void SetMousePointer(MousePointer pointer) override { history_.push_back(pointer); }

  const std::vector<MousePointer>& history() const { return history_; }
  MousePointer current() const {
    return history_.empty() ? MousePointer::Default : history_.back();
  }

 private:
  std::vector<MousePointer> history_;
};

}  // namespace corvane
