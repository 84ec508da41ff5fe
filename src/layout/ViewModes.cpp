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

}  // namespace

ViewModes::ViewModes(LayoutModel& model, OptionButtons& options, LayoutEngine& engine,
                     SinglePaneModes& singlePane)
    : model_(model), options_(options), engine_(engine), singlePane_(singlePane) {}

void ViewModes::OptionBoth_Click() {
  options_.selected = ViewMode::Both;
  applyVisibility(model_, kBothPanes);
  engine_.Form_Resize();
  // 180 here, 5 twips above where the resize pass puts the bar.
  model_.setTop(C::browserSplit, model_.rect(C::brwWebBrowser2).Top - 180.0f);
  model_.setVisible(C::browserSplit, true);
}

void ViewModes::OptionTop_Click() { singlePane_.OptionTop_Click(OnRejected::kSkipRule); }

void ViewModes::OptionBottom_Click() {
  options_.selected = ViewMode::Bottom;
  singlePane_.OptionBottom_Click(OnRejected::kSkipRule);
}

}  // namespace corvane
