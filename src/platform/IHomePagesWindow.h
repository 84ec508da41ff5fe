#pragma once

#include <string>

#include "platform/IHomePagesEvents.h"
#include "platform/IMessageBox.h"

namespace corvane {

// The four text fields of the Home pages window.
enum class HomePageField { TBstart, BBstart, TBstartOffLine, BBstartOffLine };

// The Home pages window: four text fields, two Browse buttons, OK and Cancel. It exists from
// Load to Unload; its controls report to the events given at Load.
class IHomePagesWindow {
 public:
  IHomePagesWindow() = default;
  IHomePagesWindow(const IHomePagesWindow&) = delete;
  IHomePagesWindow& operator=(const IHomePagesWindow&) = delete;
  virtual ~IHomePagesWindow() = default;

  // Whether the window exists (loaded, and not unloaded since).
  virtual bool IsLoaded() const = 0;
  // Creates the window, hidden, with empty fields; events must outlive it.
  virtual void Load(IHomePagesEvents& events) = 0;
  // The text of a field; "" while the window is not loaded.
  virtual std::string Text(HomePageField field) const = 0;
  // Sets a field's text; ignored while the window is not loaded.
  virtual void SetText(HomePageField field, const std::string& text) = 0;
  // Shows the window modeless and brings it to the front of the program's windows.
  virtual void Show() = 0;
  // Closes the window and destroys it; nothing while it is not loaded.
  virtual void Unload() = 0;
  // Message boxes shown over this window.
  virtual IMessageBox& Messages() = 0;
};

}  // namespace corvane
