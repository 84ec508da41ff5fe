#pragma once

#include <string>

#include "menus/MenuBar.h"
#include "platform/IMessageBox.h"
#include "platform/ISecondaryWindows.h"
#include "platform/IShellFolders.h"

namespace corvane {

// Removes one trailing path separator from path, in place, and returns it.
std::string& StripTrailingBackslash(std::string& path);

// The "&Tools" menu (mnuTools): Internet Options and the desktop launcher, and the start-up step
// that records the two platform folders they use.
class ToolsMenu {
 public:
  static constexpr const char* kName = "mnuTools";

  // systemFolder: the SystemFolder field, which the load fills through ReadSystemFolders.
  // appName: the running program's file name, in WindowsFolder.
  ToolsMenu(MenuBar& menus, IMessageBox& messageBox, IShellFolders& shell,
            ISecondaryWindows& windows, const std::string& systemFolder, std::string appName);
  ToolsMenu(const ToolsMenu&) = delete;
  ToolsMenu& operator=(const ToolsMenu&) = delete;

  // Fills SystemFolder (512 NULs on entry) and WindowsFolder as the platform reports them, NULs
  // removed; WindowsFolder loses a trailing separator.
  void ReadSystemFolders(std::string& systemFolder);
  const std::string& WindowsFolder() const { return windowsFolder_; }

  // "Internet &Options...": the two "Missing" checks, the notice, then the options dialog.
  void mnuOptions_Click();
  // "Create Corvane ShortCut On Desktop ": the launcher onto the desktop, then what came of it.
  void mnuShortCut_Click();

  // 0 Internet Options, 1 the desktop launcher; others do nothing.
  void Click(int index);

 private:
  bool reportMissing(const std::string& path);

  IMessageBox& messageBox_;
  IShellFolders& shell_;
  ISecondaryWindows& windows_;
  const std::string& systemFolder_;
  std::string appName_;
  std::string windowsFolder_;
};

}  // namespace corvane
