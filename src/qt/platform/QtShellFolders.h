#pragma once

#include "platform/IShellFolders.h"

namespace corvane {

// IShellFolders on this platform. The system folder is where the web engine's helper program
// lies (the engine holds the Internet settings); the program's folder takes the Windows folder's
// part. The programs folder is the applications folder that holds the program's installed
// launcher, the desktop is the user's desktop folder (XDG_DESKTOP_DIR, else ~/Desktop).
class QtShellFolders : public IShellFolders {
 public:
  std::string GetSystemDirectory() override;
  std::string InternetSettingsApplet() override;
  std::string GetWindowsDirectory() override;
  std::string GetShellFolder(ShellFolder folder) override;
};

}  // namespace corvane
