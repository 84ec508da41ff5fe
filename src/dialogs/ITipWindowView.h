#pragma once

#include <string>

namespace corvane {

// What the tip window's logic asks of the window that shows it.
class ITipWindowView {
 public:
  ITipWindowView() = default;
  ITipWindowView(const ITipWindowView&) = delete;
  ITipWindowView& operator=(const ITipWindowView&) = delete;
  virtual ~ITipWindowView() = default;

  // lblTipText: the tip shown.
  virtual void SetTipText(const std::string& text) = 0;
  // chkLoadTipsAtStartup: whether the box is checked.
  virtual bool LoadTipsAtStartup() const = 0;
  // Checks or unchecks the box; its click handler does not run.
  virtual void SetLoadTipsAtStartup(bool checked) = 0;
  // Closes and unloads the window.
  virtual void Unload() = 0;
};

}  // namespace corvane
