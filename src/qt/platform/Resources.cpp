#include "qt/platform/Resources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE must name the resource from the global namespace.
static void initCorvaneResources() {
  Q_INIT_RESOURCE(corvane);
  Q_INIT_RESOURCE(reader);
}

namespace corvane {

void initResources() {
  static const bool done = (initCorvaneResources(), true);
  (void)done;
}

}  // namespace corvane
