#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

#include "qt/pane/PaneWindows.h"

class QAccessibleInterface;
class QWebEngineView;
class QWidget;

namespace corvane {

// Tells screen readers that a page has the focus when its pane gets it (a click, Tab, Shift+F6).
// The engine reports its document focused once, when the page first takes the focus, and the
// widget that really holds the keyboard is one screen readers cannot place in the window; without
// this a reader keeps speaking the control the focus left. The engine also takes each page's own
// focus for the window's: both documents would stay focused to a reader, which then follows the
// page the user is not in; each page that does not hold the focus is said to have lost it.
class AccessiblePageFocus : public QObject {
  Q_OBJECT
 public:
  // `onPageFocused` is told of each page that took the focus from elsewhere. `panes` outlive it.
  AccessiblePageFocus(QWidget* window, const PaneWindows& panes,
                      std::function<void(PaneId)> onPageFocused);
  ~AccessiblePageFocus() override;

 private:
  // A focus event the program sent, on `object`.
  void focusReported(QAccessibleInterface* object);
  void watch(QWebEngineView* view);
  bool holdsFocus(PaneId pane) const;
  void announce(PaneId pane);
  // Until the engine has reported where in the page the focus went.
  void lookAgain();
  // Every page but the one of `focused` (none: every page) is said to have lost the focus.
  void unfocusOtherDocuments(const QWebEngineView* focused);

  QWidget* window_;
  const PaneWindows& panes_;
  std::function<void(PaneId)> onPageFocused_;
  QTimer settle_;
  PaneId settling_ = PaneId::Top;
  int looks_ = 0;
  int heard_ = 0;
};

}  // namespace corvane
