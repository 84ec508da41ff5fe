// The one entry of the engine's library, which the program loads once its splash is shown.
#include <exception>
#include <iostream>

#include "qt/engine/ApplicationSetup.h"
#include "qt/start/EngineLibrary.h"
#include "qt/window/MainWindowHost.h"

extern "C" __attribute__((visibility("default"))) corvane::IMainWindowHost* corvane_open_engine(
    const corvane::ProgramFolders* folders, bool openGlOnGpu) noexcept {
  try {
    corvane::configureEngine(openGlOnGpu);
    return new corvane::MainWindowHost(*folders);
  } catch (const std::exception& e) {
    std::cerr << "corvane: " << e.what() << std::endl;
    return nullptr;
  }
}
