#include "layout/SinglePaneModes.h"

#include "layout/VisibilityStep.h"

namespace corvane {

namespace {

using C = ControlId;

constexpr VisibilityStep kTopPaneOnly[] = {
    {C::picAddress1, true},    {C::picAddress2, false}, {C::brwWebBrowser2, false},
    {C::cboAddress2, false},   {C::tbToolBar2, false},  {C::Label2, false},
    {C::lblAddress2, false},   {C::ProgressBar1, true}, {C::ProgressBar2, false},
    {C::brwWebBrowser1, true}, {C::cboAddress1, true},  {C::tbToolBar1, true},
    {C::Label1, true},         {C::lblAddress1, true},
};

constexpr VisibilityStep kBottomPaneOnly[] = {
    {C::picAddress2, true},    {C::picAddress1, false},  {C::brwWebBrowser1, false},
    {C::cboAddress1, false},   {C::tbToolBar1, false},   {C::Label1, false},
    {C::lblAddress1, false},   {C::ProgressBar1, false}, {C::ProgressBar2, true},
    {C::brwWebBrowser2, true}, {C::cboAddress2, true},   {C::tbToolBar2, true},
    {C::Label2, true},         {C::lblAddress2, true},
};

// Whether the operation goes on after a rule.
bool goOn(bool applied, OnRejected onRejected) {
  return applied || onRejected == OnRejected::kSkipRule;
}

}  // namespace

SinglePaneModes::SinglePaneModes(LayoutModel& model, OptionButtons& options,
                                 const IWindowMetrics& metrics)
    : model_(model), options_(options), metrics_(metrics) {}

void SinglePaneModes::OptionTop_Click(OnRejected onRejected) {
  options_.selected = ViewMode::Top;
  model_.setVisible(C::browserSplit, false);
  applyVisibility(model_, kTopPaneOnly);
  const ControlRect& strip = model_.rect(C::picAddress1);
  const float height = metrics_.ClientHeight() - (strip.Top + strip.Height) - 100.0f;
  if (!goOn(model_.setHeight(C::brwWebBrowser1, height), onRejected)) return;
  alignFavorites(C::brwWebBrowser1, onRejected);
}

void SinglePaneModes::OptionBottom_Click(OnRejected onRejected) {
  model_.setVisible(C::browserSplit, false);
  applyVisibility(model_, kBottomPaneOnly);
  // Up into the space of the hidden top toolbar and address strip.
  const ControlRect& option = model_.rect(C::OptionTop);
  const float top = model_.rect(C::brwWebBrowser1).Top - (option.Top + option.Height) - 500.0f;
  if (!goOn(model_.setTop(C::brwWebBrowser2, top), onRejected)) return;
  const float height = metrics_.ClientHeight() - 1300.0f;
  if (!goOn(model_.setHeight(C::brwWebBrowser2, height), onRejected)) return;
  alignFavorites(C::brwWebBrowser2, onRejected);
}

void SinglePaneModes::alignFavorites(ControlId browser, OnRejected onRejected) {
  const float headerHeight = model_.rect(C::frmFav).Height;
  const float treeTop = model_.rect(browser).Top + headerHeight;
  if (!goOn(model_.setTop(C::tvw, treeTop), onRejected)) return;
  if (!goOn(model_.setTop(C::frmFav, model_.rect(C::tvw).Top - headerHeight), onRejected)) {
    return;
  }
  const float treeHeight = model_.rect(browser).Height - headerHeight;
  model_.setHeight(C::tvw, treeHeight);
}

}  // namespace corvane
