#pragma once

#include <memory>

#include "qt/start/IMainWindowHost.h"
#include "qt/start/ProgramFolders.h"

namespace corvane {

// The library beside the executable that holds the web engine and the main window.
constexpr const char* kEngineLibraryName = "libcorvane_engine.so";
// Its one entry: the host of the engine and the main window, made for the program's folders,
// or null when it can't be made. openGlOnGpu is what prepareOpenGlForPages() found. The caller
// owns the host; the library stays loaded to the end of the run.
using EngineEntry = IMainWindowHost* (*)(const ProgramFolders* folders, bool openGlOnGpu);
constexpr const char* kEngineEntryName = "corvane_open_engine";

// Loads the library from the program folder and makes the host; throws std::runtime_error
// saying why when it can't.
std::unique_ptr<IMainWindowHost> openEngineLibrary(const ProgramFolders& folders);

}  // namespace corvane
