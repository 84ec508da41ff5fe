#pragma once

#include <string>

namespace corvane {

// The user's folders that the desktop launcher command uses.
enum class ShellFolder {
  // The folder where the installed launcher of the program lies.
  Programs,
  // The folder behind the user's desktop.
  Desktop,
};

// Where the platform keeps the folders and programs the Tools menu relies on.
class IShellFolders {
 public:
  IShellFolders() = default;
  IShellFolders(const IShellFolders&) = delete;
  IShellFolders& operator=(const IShellFolders&) = delete;
  virtual ~IShellFolders() = default;

  // The system folder: where the platform component behind the Internet settings lies.
  virtual std::string GetSystemDirectory() = 0;
  // The file name of that component's program in the system folder.
  virtual std::string InternetSettingsApplet() = 0;
  // The folder of the running program, which opens the Internet settings dialog.
  virtual std::string GetWindowsDirectory() = 0;
  // The folder's path, or "" when it cannot be found.
  virtual std::string GetShellFolder(ShellFolder folder) = 0;
};

}  // namespace corvane
