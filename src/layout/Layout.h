#pragma once

#include "layout/LayoutEngine.h"
#include "layout/LayoutModel.h"
#include "layout/SideBySide.h"
#include "layout/SinglePaneModes.h"
#include "layout/Splitters.h"
#include "layout/ViewMode.h"
#include "layout/ViewModes.h"
#include "platform/IWindowMetrics.h"

namespace corvane {

// The main window's layout in one object: the geometry, the selected option button, and every
// operation and event handler that changes them. The model is only read from outside; the window
// calls an operation, then shows the model (an adapter applies what changed).
//
// The parts depend in one direction only: the single-pane modes know the model; the engine runs
// them as the last step of a pass; the option-button handlers and the splitters run the pass.
class Layout {
 public:
  // initial: the geometry to start from, the designed one unless a caller knows better.
  explicit Layout(const IWindowMetrics& metrics, LayoutModel initial = LayoutModel());
  Layout(const Layout&) = delete;
  Layout& operator=(const Layout&) = delete;

  const LayoutModel& model() const { return model_; }
  // The view mode: the selected option button.
  ViewMode viewMode() const { return options_.selected; }
  // Selects an option button without running its handler.
  void SelectOption(ViewMode mode) { options_.selected = mode; }

  void InitLayout() { engine_.InitLayout(); }
  // Each operation that lays panes out ends in side-by-side columns while those are on.
  void Form_Resize() { afterward(&LayoutEngine::Form_Resize, engine_); }

  void OptionBoth_Click() { afterward(&ViewModes::OptionBoth_Click, viewModes_); }
  void OptionTop_Click() { afterward(&ViewModes::OptionTop_Click, viewModes_); }
  void OptionBottom_Click() { afterward(&ViewModes::OptionBottom_Click, viewModes_); }

  // The panes side by side (on) or top and bottom (off); the caller runs the pass that follows.
  void SetSideBySide(bool on) { sideBySide_.Set(on); }
  bool SideBySideOn() const { return sideBySide_.On(); }

  // The tick of "View Favorites", which every pass reads to leave room for the favorites column.
  bool FavoritesShown() const { return model_.FavoritesShown(); }
  void SetFavoritesShown(bool shown) { model_.setFavoritesShown(shown); }
  // Shows or hides the favorites column: the tree, its splitter bar and its header, in that
  // order. The next pass places them.
  void SetFavoritesVisible(bool visible);

  void picSplit_MouseDown(float x, float y) { splitters_.picSplit_MouseDown(x, y); }
  void picSplit_MouseMove(float x, float y) { splitters_.picSplit_MouseMove(x, y); }
  void picSplit_MouseUp(float x, float y) {
    splitters_.picSplit_MouseUp(x, y);
    sideBySide_.Arrange();
  }
  // Side by side the pane splitter follows the pointer; top and bottom it moves on press and
  // release only.
  void browserSplit_MouseDown(float x, float y);
  void browserSplit_MouseMove(float x, float y);
  void browserSplit_MouseUp(float x, float y);

 private:
  template <typename Part>
  void afterward(void (Part::*operation)(), Part& part) {
    (part.*operation)();
    sideBySide_.Arrange();
  }

  // Declared in dependency order, so each part is built after what it refers to.
  LayoutModel model_;
  OptionButtons options_;
  SinglePaneModes singlePane_;
  LayoutEngine engine_;
  ViewModes viewModes_;
  Splitters splitters_;
  SideBySide sideBySide_;
};

}  // namespace corvane
