#pragma once

#include "app/HomePages.h"
#include "base/mdlGen.h"

namespace corvane {

// What the start-up asks of the main window it opens, the one main window of the run.
class IMainWindowOpener {
 public:
  IMainWindowOpener() = default;
  IMainWindowOpener(const IMainWindowOpener&) = delete;
  IMainWindowOpener& operator=(const IMainWindowOpener&) = delete;
  virtual ~IMainWindowOpener() = default;

  // Creates the main window with its four home pages and the settings it reads and writes from
  // then on (its Home commands, the home pages dialog); settings outlives the window.
  virtual void CreateMainWindow(const HomePages& homes, mdlGen& settings) = 0;
  // Runs the main window's load sequence, which shows it.
  virtual void LoadMainWindow() = 0;
  // Whether the main window exists and is shown.
  virtual bool MainWindowIsOpen() const = 0;
};

}  // namespace corvane
