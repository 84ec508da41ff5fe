#include "layout/Layout.h"

namespace corvane {

Layout::Layout(const IWindowMetrics& metrics)
    : singlePane_(model_, metrics),
      engine_(model_, metrics, singlePane_),
      viewModes_(model_, engine_, singlePane_),
      splitters_(model_, engine_) {}

}  // namespace corvane
