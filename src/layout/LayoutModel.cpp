#include "layout/LayoutModel.h"

#include "layout/LayoutMath.h"

namespace corvane {

namespace {

// The designed rectangles (designed client area 9840 x 6855). The tree has none: every pass
// with the favorites shown places it, and a pass with them hidden makes it 0 x 0.
constexpr std::array<ControlRect, kControlCount> kDesigned = {{
    {0, 0, 4020, 510},        // tbToolBar1
    {4680, 0, 1695, 195},     // OptionBoth
    {6360, 0, 1455, 195},     // OptionTop
    {7920, 0, 1695, 195},     // OptionBottom
    {4080, 195, 4095, 405},   // Label1
    {8160, 360, 1575, 255},   // ProgressBar1
    {0, 600, 10200, 435},     // picAddress1
    {120, 120, 780, 255},     // lblAddress1, in picAddress1
    {960, 600, 8844, 360},    // cboAddress1
    {0, 1080, 2235, 570},     // frmFav
    {1800, 120, 260, 240},    // cmdFavCloseX, in frmFav
    {120, 240, 500, 255},     // cmdAddFav, in frmFav
    {600, 240, 940, 255},     // cmdOrganizeFav, in frmFav
    {0, 0, 0, 0},             // tvw
    {2160, 1920, 255, 3135},  // picSplit
    {0, 960, 9795, 2400},     // brwWebBrowser1
    {0, 3120, 4815, 255},     // browserSplit
    {0, 3360, 9795, 2400},    // brwWebBrowser2
    {0, 5880, 9840, 1035},    // picAddress2
    {960, 0, 8844, 360},      // cboAddress2, in picAddress2
    {8160, 360, 1575, 255},   // ProgressBar2, in picAddress2
    {4080, 480, 4095, 375},   // Label2, in picAddress2
    {120, 120, 780, 255},     // lblAddress2, in picAddress2
    {0, 6360, 4065, 510},     // tbToolBar2
}};

}  // namespace

LayoutModel::LayoutModel() : rects_(kDesigned) {
  visible_.fill(true);
  colours_.fill(BarColour::Window);
  // The favorites column starts hidden; its buttons keep their own visibility and are seen
  // with their frame.
  setVisible(ControlId::frmFav, false);
  setVisible(ControlId::tvw, false);
  setVisible(ControlId::picSplit, false);
}

bool LayoutModel::setLeft(ControlId id, float value) {
  if (!acceptsPosition(value)) return false;
  rects_[indexOf(id)].Left = value;
  return true;
}

bool LayoutModel::setTop(ControlId id, float value) {
  if (!acceptsPosition(value)) return false;
  rects_[indexOf(id)].Top = value;
  return true;
}

bool LayoutModel::setWidth(ControlId id, float value) {
  if (!acceptsSize(value)) return false;
  rects_[indexOf(id)].Width = value;
  return true;
}

bool LayoutModel::setHeight(ControlId id, float value) {
  if (!acceptsSize(value)) return false;
  rects_[indexOf(id)].Height = value;
  return true;
}

bool LayoutModel::setRect(ControlId id, const ControlRect& rect) {
  if (!acceptsPosition(rect.Left) || !acceptsPosition(rect.Top) || !acceptsSize(rect.Width) ||
      !acceptsSize(rect.Height)) {
    return false;
  }
  rects_[indexOf(id)] = rect;
  return true;
}

}  // namespace corvane
