#pragma once

#include <string>

namespace corvane {

// A pane's toolbar: a row of keyed buttons, addressed by position from 1 (Back) upwards.
class IToolbar {
 public:
  IToolbar() = default;
  IToolbar(const IToolbar&) = delete;
  IToolbar& operator=(const IToolbar&) = delete;
  virtual ~IToolbar() = default;

  // Number of buttons.
  virtual int ButtonCount() const = 0;
  // The key of the button at position (1 = first); "" outside the toolbar.
  virtual std::string ButtonKey(int position) const = 0;
  // Whether the button at position can be pressed; false outside the toolbar.
  virtual bool ButtonEnabled(int position) const = 0;
  // Enables or disables the button at position; positions outside the toolbar are refused.
  virtual void SetButtonEnabled(int position, bool enabled) = 0;
  // Switches the buttons between a raised and a flat look.
  virtual void ToggleFlat() = 0;
  // Repaints the toolbar.
  virtual void Refresh() = 0;
};

}  // namespace corvane
