#pragma once

#include <map>
#include <stdexcept>
#include <string>

#include "platform/IShellFolders.h"

namespace corvane {

// Platform folders as a test sets them; a folder left unset cannot be found ("").
class FakeShellFolders : public IShellFolders {
 public:
  std::string systemDirectory;
  std::string applet = "engine-helper";
  std::string windowsDirectory;
  std::map<ShellFolder, std::string> folders;
  // The shell folder lookup fails outright, as a platform call may.
  bool failLookups = false;

  std::string GetSystemDirectory() override { return systemDirectory; }
  std::string InternetSettingsApplet() override { return applet; }
  std::string GetWindowsDirectory() override { return windowsDirectory; }
  std::string GetShellFolder(ShellFolder folder) override {
    if (failLookups) throw std::runtime_error("no such folder");
    const auto it = folders.find(folder);
    return it == folders.end() ? "" : it->second;
  }
};

}  // namespace corvane
