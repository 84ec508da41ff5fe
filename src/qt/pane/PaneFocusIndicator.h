#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <optional>

#include "panes/Pane.h"
#include "qt/pane/PaneWindows.h"

class QFocusFrame;
class QWidget;

namespace corvane {

// Shows at a glance which pane holds the keyboard focus: a thin line in the highlight colour
// along the inside edge of that pane's page, whether the focus is in the page itself, its
// address box or its toolbar. With the focus elsewhere in the window (the favorites, the option
// buttons, a splitter) no pane is marked; while another window has the focus, the mark stays.
// A pane whose links open in the other pane has a line twice as strong, so that the user sees
// which pane drives. The line is decoration only: screen readers do not meet it, and the pointer
// passes through.
class PaneFocusIndicator : public QObject {
  Q_OBJECT
 public:
  using OnChange = std::function<void(std::optional<PaneId>)>;

  // `onChange` hears of each change of the pane that holds the focus. The line surrounds the
  // pane's page. `panes` outlive it.
  PaneFocusIndicator(QWidget* window, const PaneWindows& panes, OnChange onChange);

  std::optional<PaneId> focusedPane() const { return focused_; }
  // Looks again at where the focus is: a page may have changed panes under it.
  void refresh();
  // Whether the pane sends its links to the other pane; the line of such a pane is stronger.
  void showDriving(PaneId pane, bool driving);

 private:
  void show(std::optional<PaneId> pane);

  QWidget* window_;
  const PaneWindows& panes_;
  OnChange onChange_;
  QFocusFrame* frame_;
  std::optional<PaneId> focused_;
  bool driving_[2] = {false, false};
};

}  // namespace corvane
