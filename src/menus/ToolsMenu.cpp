#include "menus/ToolsMenu.h"

#include <algorithm>
#include <filesystem>
#include <utility>

#include "base/Guarded.h"
#include "menus/mdlShortCut.h"

namespace corvane {

namespace {

constexpr const char* kNotice =
    "The browser options that you are about to use, are for Corvane and Internet Explorer.";
constexpr const char* kShortcutAdded = "A Corvane shortcut has been added to your desktop.";
constexpr const char* kShortcutFailed = "A Corvane shortcut could not be added to your desktop: ";

void removeNuls(std::string& text) {
  text.erase(std::remove(text.begin(), text.end(), '\0'), text.end());
}

bool isNormalFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::string& StripTrailingBackslash(std::string& path) {
  // The platform's separator: a backslash is an ordinary character in a name here.
  if (!path.empty() && path.back() == '/') path.pop_back();
  return path;
}

ToolsMenu::ToolsMenu(MenuBar& menus, IMessageBox& messageBox, IShellFolders& shell,
                     ISecondaryWindows& windows, const std::string& systemFolder,
                     std::string appName)
    : messageBox_(messageBox),
      shell_(shell),
      windows_(windows),
      systemFolder_(systemFolder),
      appName_(std::move(appName)) {
  menus.Add({MenuPosition::Tools,
             kName,
             "&Tools",
             {{0, "mnuOptions", "Internet &Options...", "", false},
              {1, "mnuShortCut", "Create Corvane ShortCut On Desktop ", "", false}},
             [this](int index) { Click(index); }});
}

void ToolsMenu::Click(int index) {
  if (index == 0) mnuOptions_Click();
  if (index == 1) mnuShortCut_Click();
}

void ToolsMenu::ReadSystemFolders(std::string& systemFolder) {
  guarded([&] { systemFolder = shell_.GetSystemDirectory(); });
  removeNuls(systemFolder);
  guarded([&] { windowsFolder_ = shell_.GetWindowsDirectory(); });
  removeNuls(windowsFolder_);
  StripTrailingBackslash(windowsFolder_);
}

bool ToolsMenu::reportMissing(const std::string& path) {
  if (isNormalFile(path)) return false;
  messageBox_.MsgBox("Missing" + path, MsgBoxButtons::OK, MsgBoxIcon::Exclamation, "Error");
  return true;
}

void ToolsMenu::mnuOptions_Click() {
  const std::string applet = systemFolder_ + "/" + shell_.InternetSettingsApplet();
  const std::string controlProgram = windowsFolder_ + "/" + appName_;
  if (reportMissing(applet)) return;
  if (reportMissing(controlProgram)) return;
  messageBox_.MsgBox(kNotice, MsgBoxButtons::OK, MsgBoxIcon::None, "");
  windows_.ShowInternetOptions();
}

void ToolsMenu::mnuShortCut_Click() {
  const std::string programs = mdlShortCut::GetShellFolder(shell_, ShellFolder::Programs);
  const std::string desktop = mdlShortCut::GetShellFolder(shell_, ShellFolder::Desktop);
  const std::string source = programs + "/" + mdlShortCut::kLauncherName;
  std::string failed;
  if (!programs.empty() && isNormalFile(source)) {
    failed = mdlShortCut::CopyFileToFolder(source, desktop);
  } else {
    // Not installed: a launcher for the program that is running now.
    failed = mdlShortCut::WriteLauncherToFolder(windowsFolder_ + "/" + appName_, desktop);
  }
  // Only a launcher that is really there is reported as added.
  if (failed.empty()) {
    messageBox_.MsgBox(kShortcutAdded, MsgBoxButtons::OK, MsgBoxIcon::None, "");
  } else {
    messageBox_.MsgBox(kShortcutFailed + failed + ".", MsgBoxButtons::OK, MsgBoxIcon::Exclamation,
                       "");
  }
}

}  // namespace corvane
