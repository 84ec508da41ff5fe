#pragma once

class QAccessibleInterface;
class QString;

namespace corvane {

// Tells screen readers on the accessibility bus that a state of `object` ("visible", "focused")
// is now on or off. The toolkit reports some changes only (a widget showing, the focus moving to
// an object and off the one it came from); a reader that keeps what it was told would hold on to
// a state that has long changed. Does nothing while the toolkit is not on the bus.
void sendAccessibleStateChange(QAccessibleInterface* object, const QString& state, bool on);

}  // namespace corvane
