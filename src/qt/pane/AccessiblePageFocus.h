#pragma once

#include <QObject>

#include <functional>

#include "qt/pane/PaneWindows.h"

class QWidget;

namespace corvane {

// Tells screen readers that a page has the focus when its pane gets it (a click, Tab, Shift+F6).
// The engine reports its document focused once, when the page first takes the focus, and the
// widget that really holds the keyboard is one screen readers cannot place in the window; without
// this a reader keeps speaking the control the focus left.
class AccessiblePageFocus : public QObject {
  Q_OBJECT
 public:
  // `onPageFocused` is told of each page that took the focus from elsewhere. `panes` outlive it.
  AccessiblePageFocus(QWidget* window, const PaneWindows& panes,
                      std::function<void(PaneId)> onPageFocused);

 private:
  void announce(PaneId pane);

  QWidget* window_;
  const PaneWindows& panes_;
  std::function<void(PaneId)> onPageFocused_;
};

}  // namespace corvane
