#include "layout/ViewModes.h"

#include "layout/VisibilityStep.h"

namespace corvane {

namespace {

using C = ControlId;

constexpr VisibilityStep kBothPanes[] = {
    {C::picAddress1, true},    {C::picAddress2, true},  {C::brwWebBrowser2, true},
    {C::cboAddress2, true},    {C::tbToolBar2, true},   {C::Label2, true},
    {C::lblAddress2, true},    {C::ProgressBar1, true}, {C::ProgressBar2, true},
    {C::brwWebBrowser1, true}, {C::cboAddress1, true},  {C::tbToolBar1, true},
    {C::Label1, true},         {C::lblAddress1, true},
};

constexpr ViewMode kModes[] = {ViewMode::Both, ViewMode::Top, ViewMode::Bottom};

}  // namespace

ViewModes::ViewModes(LayoutModel& model, LayoutEngine& engine, SinglePaneModes& singlePane)
    : model_(model), engine_(engine), singlePane_(singlePane) {}

void ViewModes::OptionBoth_Click() {
  model_.selectOption(ViewMode::Both);
  applyVisibility(model_, kBothPanes);
  engine_.Form_Resize();
  // 180 here, 5 twips above where the resize pass puts the bar.
  model_.setTop(C::browserSplit, model_.rect(C::brwWebBrowser2).Top - 180.0f);
  model_.setVisible(C::browserSplit, true);
}

void ViewModes::OptionTop_Click() { singlePane_.OptionTop_Click(OnRejected::kSkipRule); }

void ViewModes::OptionBottom_Click() {
  model_.selectOption(ViewMode::Bottom);
  singlePane_.OptionBottom_Click(OnRejected::kSkipRule);
}

void ViewModes::mnuOptionsBothBrowsers_Click() {
  updateCheckMarks(ViewMode::Both);
  OptionBoth_Click();
}

void ViewModes::mnuOptionsTopBrowser_Click() {
  updateCheckMarks(ViewMode::Top);
  OptionTop_Click();
}

void ViewModes::mnuOptionsBottomBrowser_Click() {
  updateCheckMarks(ViewMode::Bottom);
  OptionBottom_Click();
}

void ViewModes::updateCheckMarks(ViewMode own) {
  const bool ownChecked = model_.menuChecked(own);
  for (ViewMode mode : kModes) model_.setMenuChecked(mode, false);
  model_.setMenuChecked(own, !ownChecked);
}

}  // namespace corvane
