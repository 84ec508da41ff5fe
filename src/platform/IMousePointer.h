#pragma once

namespace corvane {

// The pictures the main window's mouse pointer can take.
enum class MousePointer { Default, Hourglass };

// The main window's mouse pointer.
class IMousePointer {
 public:
  IMousePointer() = default;
  IMousePointer(const IMousePointer&) = delete;
  IMousePointer& operator=(const IMousePointer&) = delete;
  virtual ~IMousePointer() = default;

  // Shows the pointer over the window at once, until it is set again.
  virtual void SetMousePointer(MousePointer pointer) = 0;
};

}  // namespace corvane
