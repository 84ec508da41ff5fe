#pragma once

class QAbstractScrollArea;
class QWidget;

namespace corvane {

// Makes every window of the program that is a plain widget (not a dialog or main window class of
// the toolkit, which say so themselves) a window or a dialog to screen readers, as it is on
// screen; the toolkit would present it as a nameless "filler". Safe to call more than once.
void installWindowAccessibility();

// Names the parts a scrolling area is made of (its viewport, its scroll bars and the strips that
// hold them) after the area's own accessible name, which must be set: a screen reader would
// otherwise meet them as nameless panels.
void nameScrollParts(QAbstractScrollArea* area);

// Makes a widget that only draws a line a separator to screen readers, as it is to the eye.
void markAsSeparator(QWidget* line);

}  // namespace corvane
