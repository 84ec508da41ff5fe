#pragma once

#include "layout/ControlId.h"
#include "layout/LayoutModel.h"

namespace corvane {

// One "show" or "hide" of a view-mode operation; the operations list theirs in a fixed order.
struct VisibilityStep {
  ControlId id;
  bool visible;
};

template <std::size_t N>
void applyVisibility(LayoutModel& model, const VisibilityStep (&steps)[N]) {
  for (const VisibilityStep& step : steps) model.setVisible(step.id, step.visible);
}

}  // namespace corvane
