#include "layout/Layout.h"

#include <utility>

namespace corvane {

Layout::Layout(const IWindowMetrics& metrics, LayoutModel initial)
    : model_(std::move(initial)),
      singlePane_(model_, options_, metrics),
      engine_(model_, options_, metrics, singlePane_),
      viewModes_(model_, options_, engine_, singlePane_),
      splitters_(model_, engine_) {}

void Layout::SetFavoritesVisible(bool visible) {
  for (ControlId id : {ControlId::tvw, ControlId::picSplit, ControlId::frmFav}) {
    model_.setVisible(id, visible);
  }
}

}  // namespace corvane
