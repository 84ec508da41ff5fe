#pragma once

#include <functional>

class QAccessibleEvent;

namespace corvane {

// Every accessibility event the program sends passes here on its way to assistive tools: a
// filter may hold it back, and a listener hears it once it has gone out. Only the GUI thread
// sends them.
namespace AccessibleEvents {

// False: the event is not sent.
using Filter = std::function<bool(QAccessibleEvent*)>;
using Listener = std::function<void(QAccessibleEvent*)>;

// Each returns a number that lets it go again.
int addFilter(Filter filter);
int addListener(Listener listener);
void remove(int id);

}  // namespace AccessibleEvents

}  // namespace corvane
