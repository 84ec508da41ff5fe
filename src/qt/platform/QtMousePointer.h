#pragma once

#include "platform/IMousePointer.h"

namespace corvane {

// The program's mouse pointer: the hourglass is the busy pointer over all its windows, shown at
// once, since the work that follows holds up the event loop.
class QtMousePointer : public IMousePointer {
 public:
  QtMousePointer() = default;
  ~QtMousePointer() override;

  void SetMousePointer(MousePointer pointer) override;

 private:
  bool busy_ = false;
};

}  // namespace corvane
