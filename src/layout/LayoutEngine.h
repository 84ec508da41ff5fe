#pragma once

#include "layout/LayoutModel.h"
#include "layout/SinglePaneModes.h"
#include "layout/ViewMode.h"
#include "platform/IWindowMetrics.h"

namespace corvane {

// The window's geometry: the one-time InitLayout and the resize pass Form_Resize, which lays out
// both panes and then re-applies a single-pane view mode. Every rule of a pass stands alone: a
// value a control rejects is not applied and the pass goes on with the next rule.
class LayoutEngine {
 public:
  LayoutEngine(LayoutModel& model, const OptionButtons& options, const IWindowMetrics& metrics,
               SinglePaneModes& singlePane);
  LayoutEngine(const LayoutEngine&) = delete;
  LayoutEngine& operator=(const LayoutEngine&) = delete;

  // Derives the layout fields from the toolbar and label heights and sets up the splitter bars.
  void InitLayout();
  // Step 1 of every pass: the favorites column and both browsers' rectangles.
  void ArrangeFavorites();
  // The resize pass.
  void Form_Resize();

 private:
  // Steps 2 to 7: widths, less the tree's width when the favorites are shown.
  void placeWidths();
  // Steps 8 to 15: the bottom rows and the even split of the browser area.
  void placeRows();

  LayoutModel& model_;
  const OptionButtons& options_;
  const IWindowMetrics& metrics_;
  SinglePaneModes& singlePane_;
};

}  // namespace corvane
