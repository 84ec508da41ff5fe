#include "layout/SideBySide.h"

#include <algorithm>
#include <cmath>

namespace corvane {

namespace {

using C = ControlId;

constexpr float kGap = 60.0f;
// The designed progress bar's width, and the room a toolbar takes at most in a column.
constexpr float kProgressWidth = 1575.0f;
constexpr float kToolbarShare = 0.45f;

}  // namespace

SideBySide::SideBySide(LayoutModel& model, const OptionButtons& options,
                       const IWindowMetrics& metrics)
    : model_(model), options_(options), metrics_(metrics) {}

void SideBySide::Set(bool on) {
  if (on == on_) return;
  on_ = on;
  dragging_ = false;
  if (on) {
    // Taken at the first arrangement: the window may not be laid out yet.
    captured_ = false;
    return;
  }
  if (!captured_) return;
  const float favoritesSplit = model_.rect(C::picSplit).Left;
  for (std::size_t i = 0; i < kControlCount; ++i) model_.setRect(controlAt(i), before_[i]);
  model_.setLeft(C::picSplit, favoritesSplit);
}

void SideBySide::Arrange(std::optional<float> leftWidth) {
  if (!on_) return;
  if (!captured_) {
    for (std::size_t i = 0; i < kControlCount; ++i) before_[i] = model_.rect(controlAt(i));
    captured_ = true;
  }
  const float clientWidth = metrics_.ClientWidth();
  const float clientHeight = metrics_.ClientHeight();
  float x0 = 30.0f;
  if (model_.FavoritesShown()) {
    const ControlRect& split = model_.rect(C::picSplit);
    x0 = split.Left + split.Width;
  }
  const float usable = clientWidth - x0 - 30.0f;
  const float rowHeight = model_.rect(C::tbToolBar1).Height;
  const float stripHeight = model_.rect(C::picAddress1).Height;
  const float pageTop = kOptionRow + rowHeight + stripHeight + kGap;
  const float pageHeight = clientHeight - pageTop - kGap;

  Column left{x0, usable};
  Column right{x0, usable};
  if (options_.selected == ViewMode::Both) {
    float width = std::floor((usable - kSplitWidth) / 2.0f);
    if (leftWidth) {
      if (*leftWidth < kMinPageWidth || usable - kSplitWidth - *leftWidth < kMinPageWidth) {
        return;
      }
      width = *leftWidth;
    }
    left = {x0, width};
    right = {x0 + width + kSplitWidth, usable - kSplitWidth - width};
    model_.setRect(C::browserSplit, {x0 + width, pageTop, kSplitWidth, pageHeight});
  }
  placeTop(left, pageTop, pageHeight,
           std::min(before_[indexOf(C::tbToolBar1)].Width, std::floor(left.width * kToolbarShare)));
  placeBottom(
      right, pageTop, pageHeight,
      std::min(before_[indexOf(C::tbToolBar2)].Width, std::floor(right.width * kToolbarShare)));
  placeFavorites(kOptionRow);
}

void SideBySide::placeTop(const Column& c, float pageTop, float pageHeight, float toolbarWidth) {
  const float rowHeight = model_.rect(C::tbToolBar1).Height;
  model_.setRect(C::tbToolBar1, {c.left, kOptionRow, toolbarWidth, rowHeight});
  const float statusLeft = c.left + toolbarWidth + kGap;
  model_.setLeft(C::Label1, statusLeft);
  model_.setTop(C::Label1, kOptionRow + kGap);
  model_.setWidth(C::Label1, c.left + c.width - kProgressWidth - 2 * kGap - statusLeft);
  model_.setLeft(C::ProgressBar1, c.left + c.width - kProgressWidth - kGap);
  model_.setTop(C::ProgressBar1, kOptionRow + 150.0f);
  model_.setRect(C::picAddress1,
                 {c.left, kOptionRow + rowHeight, c.width, model_.rect(C::picAddress1).Height});
  model_.setLeft(C::cboAddress1, c.left + 960.0f);
  model_.setTop(C::cboAddress1, kOptionRow + rowHeight);
  model_.setWidth(C::cboAddress1, c.width - 1000.0f);
  model_.setRect(C::brwWebBrowser1, {c.left, pageTop, c.width, pageHeight});
}

void SideBySide::placeBottom(const Column& c, float pageTop, float pageHeight, float toolbarWidth) {
  // The status line, progress bar and address box live in the bottom address strip, which
  // therefore takes the toolbar's row too; the toolbar lies over its left end.
  const float rowHeight = model_.rect(C::tbToolBar2).Height;
  const float stripHeight = model_.rect(C::picAddress1).Height;
  model_.setRect(C::tbToolBar2, {c.left, kOptionRow, toolbarWidth, rowHeight});
  model_.setRect(C::picAddress2, {c.left, kOptionRow, c.width, rowHeight + stripHeight});
  const float statusLeft = toolbarWidth + kGap;
  model_.setLeft(C::Label2, statusLeft);
  model_.setTop(C::Label2, kGap);
  model_.setWidth(C::Label2, c.width - kProgressWidth - 2 * kGap - statusLeft);
  model_.setLeft(C::ProgressBar2, c.width - kProgressWidth - kGap);
  model_.setTop(C::ProgressBar2, 150.0f);
  model_.setTop(C::lblAddress2, rowHeight + 120.0f);
  model_.setTop(C::cboAddress2, rowHeight);
  model_.setWidth(C::cboAddress2, c.width - 1000.0f);
  model_.setRect(C::brwWebBrowser2, {c.left, pageTop, c.width, pageHeight});
}

void SideBySide::placeFavorites(float top) {
  if (!model_.FavoritesShown()) return;
  const float bottom = metrics_.ClientHeight() - kGap;
  const float header = model_.rect(C::frmFav).Height;
  model_.setTop(C::frmFav, top);
  model_.setTop(C::picSplit, top);
  model_.setHeight(C::picSplit, bottom - top);
  model_.setTop(C::tvw, top + header);
  model_.setHeight(C::tvw, bottom - top - header);
}

void SideBySide::browserSplit_MouseDown() {
  dragging_ = true;
  model_.setBackColour(C::browserSplit, BarColour::Highlight);
}

void SideBySide::browserSplit_MouseMove(float x) {
  if (!dragging_ || options_.selected != ViewMode::Both) return;
  // x is measured from the bar's left edge, so the edge lands under the pointer.
  Arrange(model_.rect(C::brwWebBrowser1).Width + x);
}

void SideBySide::browserSplit_MouseUp() {
  dragging_ = false;
  model_.setBackColour(C::browserSplit, BarColour::Window);
}

}  // namespace corvane
