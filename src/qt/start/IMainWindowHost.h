#pragma once

#include "app/IMainWindowOpener.h"

namespace corvane {

class frmbrowser;

// The web engine and the main window, behind the splash. The program loads them from a library
// of their own once the splash is on the screen, so that nothing of the engine delays it.
class IMainWindowHost : public IMainWindowOpener {
 public:
  // Makes the main window's widgets, hidden, while the splash shows; the engine and the panes'
  // renderers are started by then. Not fatal when it fails: CreateMainWindow tries again.
  virtual void prepareMainWindow() = 0;
  // The main window once created, else null.
  virtual frmbrowser* mainWindow() const = 0;
};

}  // namespace corvane
