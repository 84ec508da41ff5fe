#pragma once

namespace corvane {

// What the Home pages window's controls report.
class IHomePagesEvents {
 public:
  IHomePagesEvents() = default;
  IHomePagesEvents(const IHomePagesEvents&) = delete;
  IHomePagesEvents& operator=(const IHomePagesEvents&) = delete;
  virtual ~IHomePagesEvents() = default;

  // A Browse button: 0 beside the top offline field, 1 beside the bottom one.
  virtual void cmdOpen_Click(int index) = 0;
  // OK.
  virtual void cmdUpdateHomePages_Click() = 0;
  // Cancel.
  virtual void cmdCancel_Click() = 0;
  // The user closed the window by its close box; it is closing already.
  virtual void Form_Unload() = 0;
};

}  // namespace corvane
