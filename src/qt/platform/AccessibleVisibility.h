#pragma once

#include <QObject>

namespace corvane {

// Tells screen readers on the accessibility bus when a widget becomes visible or hidden. The
// toolkit reports only "showing"; a reader that looked at a widget while it was hidden (the main
// window's controls before the window first shows, a find bar, a pane of another view mode)
// keeps it as invisible and passes over it (no status bar, a review that ends at the menu bar)
// until the reader restarts. Installed once for the whole program, before its first window.
class AccessibleVisibility : public QObject {
  Q_OBJECT
 public:
  // Safe to call more than once.
  static void install();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AccessibleVisibility() = default;
};

}  // namespace corvane
