#pragma once

#include "layout/LayoutEngine.h"
#include "layout/LayoutModel.h"

namespace corvane {

// The two splitter bars' mouse handlers. Positions are in twips relative to the bar's own
// top-left corner; while a button is held they may be negative or beyond the bar.
class Splitters {
 public:
  Splitters(LayoutModel& model, LayoutEngine& engine);
  Splitters(const Splitters&) = delete;
  Splitters& operator=(const Splitters&) = delete;

  // The favorites splitter follows the pointer while dragged, with no bounds; the release
  // lays the window out again around its new place.
  void picSplit_MouseDown(float x, float y);
  void picSplit_MouseMove(float x, float y);
  void picSplit_MouseUp(float x, float y);

  // The pane splitter moves the boundary between the browsers on press and on release only,
  // and does nothing while the bottom browser is 400 twips high or less (the release then
  // restores the even split).
  void browserSplit_MouseDown(float x, float y);
  void browserSplit_MouseUp(float x, float y);

 private:
  bool paneSplitterLocked() const;
  // Moves the boundary by dy, stopping at the first value a control rejects.
  void shiftBoundary(float dy);

  LayoutModel& model_;
  LayoutEngine& engine_;
};

}  // namespace corvane
