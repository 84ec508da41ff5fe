#include "layout/Layout.h"

#include <utility>

namespace corvane {

Layout::Layout(const IWindowMetrics& metrics, LayoutModel initial)
    : model_(std::move(initial)),
      singlePane_(model_, options_, metrics),
      engine_(model_, options_, metrics, singlePane_),
      viewModes_(model_, options_, engine_, singlePane_),
      splitters_(model_, engine_),
      sideBySide_(model_, options_, metrics) {}

void Layout::browserSplit_MouseDown(float x, float y) {
  if (sideBySide_.On()) {
    sideBySide_.browserSplit_MouseDown();
  } else {
    splitters_.browserSplit_MouseDown(x, y);
  }
}

void Layout::browserSplit_MouseMove(float x, float /*y*/) { sideBySide_.browserSplit_MouseMove(x); }

void Layout::browserSplit_MouseUp(float x, float y) {
  if (sideBySide_.On()) {
    sideBySide_.browserSplit_MouseUp();
  } else {
    splitters_.browserSplit_MouseUp(x, y);
  }
}

void Layout::SetFavoritesVisible(bool visible) {
  for (ControlId id : {ControlId::tvw, ControlId::picSplit, ControlId::frmFav}) {
    model_.setVisible(id, visible);
  }
}

}  // namespace corvane
