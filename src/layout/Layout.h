#pragma once

#include "layout/LayoutEngine.h"
#include "layout/LayoutModel.h"
#include "layout/SinglePaneModes.h"
#include "layout/Splitters.h"
#include "layout/ViewModes.h"
#include "platform/IWindowMetrics.h"

namespace corvane {

// The main window's layout in one object: the model, and every operation and event handler that
// changes it. The window calls a handler, then shows the model (an adapter applies it all).
//
// The parts depend in one direction only: the single-pane modes know the model; the engine runs
// them as the last step of a pass; the option-button handlers and the splitters run the pass.
class Layout {
 public:
  explicit Layout(const IWindowMetrics& metrics);
  Layout(const Layout&) = delete;
  Layout& operator=(const Layout&) = delete;

  const LayoutModel& model() const { return model_; }
  // For the favorites command, which shows the favorites column and ticks FavoritesShown.
  LayoutModel& model() { return model_; }

  void InitLayout() { engine_.InitLayout(); }
  void Form_Resize() { engine_.Form_Resize(); }

  void OptionBoth_Click() { viewModes_.OptionBoth_Click(); }
  void OptionTop_Click() { viewModes_.OptionTop_Click(); }
  void OptionBottom_Click() { viewModes_.OptionBottom_Click(); }
  void mnuOptionsBothBrowsers_Click() { viewModes_.mnuOptionsBothBrowsers_Click(); }
  void mnuOptionsTopBrowser_Click() { viewModes_.mnuOptionsTopBrowser_Click(); }
  void mnuOptionsBottomBrowser_Click() { viewModes_.mnuOptionsBottomBrowser_Click(); }

  void picSplit_MouseDown(float x, float y) { splitters_.picSplit_MouseDown(x, y); }
  void picSplit_MouseMove(float x, float y) { splitters_.picSplit_MouseMove(x, y); }
  void picSplit_MouseUp(float x, float y) { splitters_.picSplit_MouseUp(x, y); }
  void browserSplit_MouseDown(float x, float y) { splitters_.browserSplit_MouseDown(x, y); }
  void browserSplit_MouseUp(float x, float y) { splitters_.browserSplit_MouseUp(x, y); }

 private:
  // Declared in dependency order, so each part is built after what it refers to.
  LayoutModel model_;
  SinglePaneModes singlePane_;
  LayoutEngine engine_;
  ViewModes viewModes_;
  Splitters splitters_;
};

}  // namespace corvane
