#pragma once

#include <array>
#include <optional>

#include "layout/LayoutModel.h"
#include "layout/ViewMode.h"
#include "platform/IWindowMetrics.h"

namespace corvane {

// The panes side by side: the top pane in the left column, the bottom pane in the right, each
// with its toolbar, status line and progress bar in a row, its address strip below them and its
// page below that; the pane splitter stands upright between the pages. It re-places the panes
// after each top/bottom pass, so the view modes and the favorites column work as they do there.
class SideBySide {
 public:
  // The upright pane splitter's width.
  static constexpr float kSplitWidth = 90.0f;
  // The option buttons keep their row above the columns.
  static constexpr float kOptionRow = 240.0f;
  // Neither page is made narrower than this by a drag.
  static constexpr float kMinPageWidth = 500.0f;

  SideBySide(LayoutModel& model, const OptionButtons& options, const IWindowMetrics& metrics);
  SideBySide(const SideBySide&) = delete;
  SideBySide& operator=(const SideBySide&) = delete;

  // Turns the arrangement on or off. Off, every control is given back the rectangle it had
  // before the first arrangement (but the favorites splitter, which only a drag moves), so the
  // next pass lays the panes out top and bottom exactly as before.
  void Set(bool on);
  bool On() const { return on_; }

  // Lays the panes out in columns: an even split, or a left column leftWidth wide. A width that
  // leaves a page narrower than kMinPageWidth is not applied.
  void Arrange(std::optional<float> leftWidth = std::nullopt);

  // The upright pane splitter follows the pointer while a button is held, as the favorites
  // splitter does; x is relative to the bar's left edge.
  void browserSplit_MouseDown();
  void browserSplit_MouseMove(float x);
  void browserSplit_MouseUp();

 private:
  struct Column {
    float left;
    float width;
  };
  void placeTop(const Column& c, float pageTop, float pageHeight, float toolbarWidth);
  void placeBottom(const Column& c, float pageTop, float pageHeight, float toolbarWidth);
  void placeFavorites(float top);

  LayoutModel& model_;
  const OptionButtons& options_;
  const IWindowMetrics& metrics_;
  bool on_ = false;
  bool dragging_ = false;
  bool captured_ = false;
  std::array<ControlRect, kControlCount> before_{};
};

}  // namespace corvane
