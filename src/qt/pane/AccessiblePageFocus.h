#pragma once

#include <QObject>

#include <functional>

#include "qt/pane/PaneWidgets.h"

class QWidget;

namespace corvane {

// Tells screen readers that a page has the focus when its pane gets it (a click, Tab, Shift+F6).
// The engine reports its document focused once, when the page first takes the focus, and the
// widget that really holds the keyboard is one screen readers cannot place in the window; without
// this a reader keeps speaking the control the focus left.
class AccessiblePageFocus : public QObject {
  Q_OBJECT
 public:
  // `onPageFocused` is told of each page that took the focus from elsewhere.
  AccessiblePageFocus(QWidget* window, const PaneWidgets& panes,
                      std::function<void(PaneId)> onPageFocused);

 private:
  void announce(PaneId pane);

  QWidget* window_;
  PaneWidgets panes_;
  std::function<void(PaneId)> onPageFocused_;
};

}  // namespace corvane
