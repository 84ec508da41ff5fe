#pragma once

namespace corvane {

// Makes every window of the program that is a plain widget (not a dialog or main window class of
// the toolkit, which say so themselves) a window or a dialog to screen readers, as it is on
// screen; the toolkit would present it as a nameless "filler". Safe to call more than once.
void installWindowAccessibility();

}  // namespace corvane
