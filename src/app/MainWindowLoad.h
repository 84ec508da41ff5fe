#pragma once

#include <string>

#include "app/HomePages.h"
#include "app/IMainWindowLoadSteps.h"

namespace corvane {

// The main window's load: steps 1 to 8 in their fixed order. Every step (and every statement of
// the navigation step) guards its own failure, so a failing step is skipped and the next runs.
class MainWindowLoad {
 public:
  MainWindowLoad(IMainWindowLoadSteps& window, const HomePages& homes);

  void Form_Load();

  // The buffer ReadSystemFolders fills; 512 NULs until it has run.
  const std::string& SystemFolder() const { return systemFolder_; }

 private:
  void navigateToHomePages();

  IMainWindowLoadSteps& window_;
  const HomePages& homes_;
  std::string systemFolder_;
};

}  // namespace corvane
