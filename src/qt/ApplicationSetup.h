#pragma once

namespace corvane {

// What the program sets up around its QApplication; shared with the start-up benchmark so that
// it measures the program as it starts.
// Before the QApplication is constructed.
void prepareApplication();
// Right after it is constructed: name (which also names the user's folders), icon, launcher, and
// how pages are drawn.
void configureApplication();

}  // namespace corvane
