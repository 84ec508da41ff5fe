#pragma once

class QAccessibleInterface;
class QString;

namespace corvane {

// Tells screen readers on the accessibility bus that a state of `object` ("visible", "focused")
// is now on or off. The toolkit reports some changes only (a widget showing, the focus moving to
// an object and off the one it came from); a reader that keeps what it was told would hold on to
// a state that has long changed. Does nothing while the toolkit is not on the bus.
void sendAccessibleStateChange(QAccessibleInterface* object, const QString& state, bool on);

// Tells screen readers that the part of `object` the user acts on is now `descendant`, while the
// keyboard focus stays in `object` (a list's entry chosen from the edit field that holds the
// focus): readers speak it as they would a focused one. The toolkit has no such report.
void sendAccessibleActiveDescendant(QAccessibleInterface* object, QAccessibleInterface* descendant);

}  // namespace corvane
