#pragma once

namespace corvane {

// What the program sets up before its splash, with nothing of the web engine: its name (which
// also names the user's folders) and its launcher.
void configureProgram();

// Makes the OpenGL context that the engine's contexts share, as the engine needs it before its
// library is loaded, and tells whether pages can reach the screen through OpenGL on a graphics
// processor (not where OpenGL is drawn by the CPU, or missing: there pages are drawn in
// software). Called once the splash is on the screen: on a virtual X server it takes a while.
bool prepareOpenGlForPages();

}  // namespace corvane
