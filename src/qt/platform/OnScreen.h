#pragma once

class QWidget;

namespace corvane {

// Moves a top-level window, frame and all, onto the available area of the screen it is on
// (shrinking it where it is larger), so that no part of it opens out of reach.
void keepOnScreen(QWidget* window);

// The window a dialog asked for now belongs to: the active window of the program, where the
// user is working, or `fallback` when none is active.
QWidget* dialogOwner(QWidget* fallback);

}  // namespace corvane
