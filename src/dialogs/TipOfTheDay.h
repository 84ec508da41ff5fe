#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dialogs/ITipWindowView.h"
#include "platform/IMessageBox.h"
#include "platform/IRandom.h"
#include "platform/ISettingsStore.h"

namespace corvane {

// The tip of the day window's logic (frmTip): one tip picked at random from TIPOFDAY.TXT in the
// program folder, another on Next Tip, and the "Show Tips at Startup" choice in the per-user
// settings store. One instance lives as long as its window.
class TipOfTheDay {
 public:
  static constexpr const char* kSection = "Options";
  static constexpr const char* kKey = "Show Tips at Startup";
  static constexpr const char* kTipsFile = "TIPOFDAY.TXT";

  // appName: the per-user settings' application name; programFolder: where the tips file lies;
  // messages: message boxes over the tip window.
  TipOfTheDay(ITipWindowView& view, ISettingsStore& store, IRandom& random, IMessageBox& messages,
              std::string appName, std::string programFolder);
  TipOfTheDay(const TipOfTheDay&) = delete;
  TipOfTheDay& operator=(const TipOfTheDay&) = delete;

  // The window's load: unloads the window at once when tips are switched off, otherwise checks
  // the box (which stores "1") and shows a random tip, or how to create the missing tips file.
  void Form_Load();
  // Fills Tips with the file's non-empty lines and shows a random one; false when the path is
  // empty or names no readable file.
  bool LoadTips(const std::string& path);
  void PickRandomTip();
  // Shows tip CurrentTip, if there are tips at all.
  void DisplayCurrentTip();

  void cmdNextTip_Click();
  void cmdOK_Click();
  // Stores the box's new state at once: "1" checked, "0" unchecked. When it can't be stored the
  // box goes back to what is stored and a message says so.
  void chkLoadTipsAtStartup_Click();

  // Tips, in file order; CurrentTip indexes it from 1.
  const std::vector<std::string>& Tips() const { return tips_; }
  int32_t CurrentTip() const { return currentTip_; }

  // The label's text when the tips file is not there.
  static std::string NotFoundMessage();

 private:
  // Stores the box's state; what failed, or "" when it was stored.
  std::string storeChoice();

  ITipWindowView& view_;
  ISettingsStore& store_;
  IRandom& random_;
  IMessageBox& messages_;
  std::string appName_;
  std::string programFolder_;
  std::vector<std::string> tips_;
  int32_t currentTip_ = 0;
};

// Whether a stored "Show Tips at Startup" value switches the tips off: only a number equal to 0
// does; anything that is not a number leaves them on.
bool TipsSwitchedOff(const std::string& stored);

}  // namespace corvane
