#include "layout/Splitters.h"

namespace corvane {

namespace {

using C = ControlId;

}  // namespace

Splitters::Splitters(LayoutModel& model, LayoutEngine& engine) : model_(model), engine_(engine) {}

void Splitters::picSplit_MouseDown(float /*x*/, float /*y*/) {
  model_.setFavoritesDragging(true);
  model_.setBackColour(C::picSplit, BarColour::Highlight);
}

void Splitters::picSplit_MouseMove(float x, float /*y*/) {
  if (!model_.FavoritesDragging()) return;
  // x is measured from the bar's left edge, so the edge lands under the pointer.
  model_.setLeft(C::picSplit, model_.rect(C::picSplit).Left + x);
}

void Splitters::picSplit_MouseUp(float /*x*/, float /*y*/) {
  model_.setFavoritesDragging(false);
  model_.setBackColour(C::picSplit, BarColour::Window);
  engine_.Form_Resize();
}

void Splitters::browserSplit_MouseDown(float /*x*/, float y) {
  if (paneSplitterLocked()) return;
  model_.setBackColour(C::browserSplit, BarColour::Window);
  shiftBoundary(-y);  // the press lifts the boundary by y; the release lowers it by y
}

void Splitters::browserSplit_MouseUp(float /*x*/, float y) {
  if (paneSplitterLocked()) {
    engine_.Form_Resize();
    return;
  }
  shiftBoundary(y);
}

bool Splitters::paneSplitterLocked() const {
  const float limit = model_.rect(C::picAddress2).Top - 500.0f;
  return model_.rect(C::browserSplit).Top >= limit || model_.rect(C::brwWebBrowser2).Top >= limit;
}

void Splitters::shiftBoundary(float dy) {
  const ControlRect& top = model_.rect(C::brwWebBrowser1);
  const ControlRect& bottom = model_.rect(C::brwWebBrowser2);
  if (!model_.setHeight(C::brwWebBrowser1, top.Height + dy)) return;
  if (!model_.setHeight(C::brwWebBrowser2, bottom.Height - dy)) return;
  if (!model_.setTop(C::brwWebBrowser2, bottom.Top + dy)) return;
  model_.setTop(C::browserSplit, model_.rect(C::brwWebBrowser2).Top - 175.0f);
}

}  // namespace corvane
