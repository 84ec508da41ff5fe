#pragma once

namespace corvane {

// The program's secondary windows. Each is created on first use, shown modeless and destroyed
// when it closes; opening one that is open only brings it forward.
class ISecondaryWindows {
 public:
  ISecondaryWindows() = default;
  ISecondaryWindows(const ISecondaryWindows&) = delete;
  ISecondaryWindows& operator=(const ISecondaryWindows&) = delete;
  virtual ~ISecondaryWindows() = default;

  // Loads the tip of the day window and shows it; its load may close it again at once.
  virtual void ShowTipWindow() = 0;
  // Loads the about box and shows it, without an owner.
  virtual void ShowAboutBox() = 0;
  // Opens Corvane's Internet Options dialog; the caller does not wait for it.
  virtual void ShowInternetOptions() = 0;
  // Each closes its window if it is open.
  virtual void CloseTipWindow() = 0;
  virtual void CloseAboutBox() = 0;
  virtual void CloseInternetOptions() = 0;
};

}  // namespace corvane
