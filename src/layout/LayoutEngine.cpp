#include "layout/LayoutEngine.h"

#include "layout/LayoutMath.h"

namespace corvane {

namespace {

using C = ControlId;

// A statement whose result does not fit is skipped, so a local keeps its initial 0.
int32_t roundOrZero(float value) { return roundToInt32(value).value_or(0); }

}  // namespace

LayoutEngine::LayoutEngine(LayoutModel& model, const OptionButtons& options,
                           const IWindowMetrics& metrics, SinglePaneModes& singlePane)
    : model_(model), options_(options), metrics_(metrics), singlePane_(singlePane) {}

void LayoutEngine::InitLayout() {
  LayoutFields& f = model_.fields();
  f.SplitterThickness = 60;
  // A step that overflows is skipped and leaves its field as it was.
  if (auto top = roundToInt32(model_.rect(C::tbToolBar1).Height +
                              model_.rect(C::lblAddress1).Height + 250.0f)) {
    f.TopReserve = *top;
  }
  if (auto bottom = roundToInt32(model_.rect(C::tbToolBar2).Height +
                                 model_.rect(C::lblAddress2).Height + 200.0f)) {
    f.BottomReserve = *bottom;
  }
  if (auto sum = addInt32(f.TopReserve, f.BottomReserve)) f.VerticalReserve = *sum;

  model_.setTop(C::picSplit, static_cast<float>(f.TopReserve));
  model_.setWidth(C::picSplit, static_cast<float>(f.SplitterThickness));
  model_.setBackColour(C::picSplit, BarColour::Window);

  model_.setTop(C::browserSplit, model_.rect(C::brwWebBrowser2).Top + 770.0f);
  model_.setWidth(C::browserSplit, metrics_.ScreenWidth());
  model_.setHeight(C::browserSplit, 180.0f);
  model_.setBackColour(C::browserSplit, BarColour::Window);
  model_.setVisible(C::browserSplit, true);
}

void LayoutEngine::ArrangeFavorites() {
  const LayoutFields& f = model_.fields();
  const float topReserve = static_cast<float>(f.TopReserve);
  const int32_t h = roundOrZero(metrics_.ClientHeight() - static_cast<float>(f.VerticalReserve));
  int32_t x = 30;
  if (model_.FavoritesShown()) {
    model_.setTop(C::frmFav, topReserve);
    model_.setTop(C::picSplit, topReserve);
    model_.setHeight(C::picSplit, static_cast<float>(h));
    const ControlRect& split = model_.rect(C::picSplit);
    x = roundOrZero(split.Left + split.Width);
    const float headerHeight = model_.rect(C::frmFav).Height;
    model_.setRect(C::tvw, {30.0f, headerHeight + topReserve, split.Left - 30.0f,
                            static_cast<float>(h) - headerHeight});
  }
  const ControlRect browsers = {static_cast<float>(x), topReserve,
                                metrics_.ClientWidth() - static_cast<float>(x) - 30.0f,
                                static_cast<float>(h)};
  model_.setRect(C::brwWebBrowser1, browsers);
  model_.setRect(C::brwWebBrowser2, browsers);
}

void LayoutEngine::Form_Resize() {
  ArrangeFavorites();
  placeWidths();
  placeRows();
  // The pass lays out both panes; a single-pane mode then takes over the visible pane.
  if (options_.selected == ViewMode::Top) {
    singlePane_.OptionTop_Click(OnRejected::kEndOperation);
  } else if (options_.selected == ViewMode::Bottom) {
    singlePane_.OptionBottom_Click(OnRejected::kEndOperation);
  }
}

void LayoutEngine::placeWidths() {
  const float clientWidth = metrics_.ClientWidth();
  model_.setWidth(C::brwWebBrowser1, clientWidth - 100.0f);
  model_.setWidth(C::cboAddress1, clientWidth - 1000.0f);
  model_.setWidth(C::brwWebBrowser2, clientWidth - 100.0f);
  model_.setWidth(C::cboAddress2, model_.rect(C::cboAddress1).Width);
  model_.setWidth(C::picAddress2, clientWidth);
  if (model_.FavoritesShown()) {
    const float treeWidth = model_.rect(C::tvw).Width;
    model_.setWidth(C::brwWebBrowser1, model_.rect(C::brwWebBrowser1).Width - treeWidth);
    model_.setWidth(C::brwWebBrowser2, model_.rect(C::brwWebBrowser2).Width - treeWidth);
    model_.setWidth(C::browserSplit, model_.rect(C::brwWebBrowser2).Width);
    model_.setLeft(C::browserSplit, model_.rect(C::brwWebBrowser2).Left);
    model_.setWidth(C::frmFav, model_.rect(C::tvw).Width - 100.0f);
  } else {
    // The pane splitter keeps its Left and Width while the favorites are hidden.
    model_.setHeight(C::tvw, 0.0f);
    model_.setWidth(C::tvw, 0.0f);
  }
}

void LayoutEngine::placeRows() {
  const float clientHeight = metrics_.ClientHeight();
  model_.setTop(C::tbToolBar2, clientHeight - 500.0f);
  model_.setTop(C::picAddress2, clientHeight - 900.0f);
  model_.setLeft(C::ProgressBar1, metrics_.OuterWidth() - 1900.0f);
  // Inside picAddress2, whose Left is 0, so both bars line up.
  model_.setLeft(C::ProgressBar2, model_.rect(C::ProgressBar1).Left);
  model_.setHeight(C::brwWebBrowser2, clientHeight / 2.0f - 1100.0f);
  model_.setHeight(C::brwWebBrowser1, model_.rect(C::brwWebBrowser2).Height);
  const ControlRect& bottom = model_.rect(C::brwWebBrowser2);
  model_.setTop(C::brwWebBrowser2, model_.rect(C::picAddress2).Top - bottom.Height - 100.0f);
  model_.setTop(C::browserSplit, model_.rect(C::brwWebBrowser2).Top - 175.0f);
}

}  // namespace corvane
