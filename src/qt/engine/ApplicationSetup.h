#pragma once

namespace corvane {

// How pages are drawn and what the windows behind the splash show; before the engine's first
// page. openGlOnGpu is what prepareOpenGlForPages() found.
void configureEngine(bool openGlOnGpu);

// For programs that link the engine themselves (the benchmarks): what the program sets up
// around its QApplication, so that they measure it as it runs.
// Before the QApplication is constructed.
void prepareApplication();
// Right after it is constructed.
void configureApplication();

}  // namespace corvane
