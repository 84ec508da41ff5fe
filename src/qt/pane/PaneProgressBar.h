#pragma once

#include <QProgressBar>

namespace corvane {

// A pane's progress bar. Empty, between loads, it has no extent for assistive tools, so that a
// screen reader does not say "0 percent" after every load; while a page loads it is an ordinary
// progress bar whose value readers may speak.
class PaneProgressBar : public QProgressBar {
  Q_OBJECT
 public:
  explicit PaneProgressBar(QWidget* parent);
};

}  // namespace corvane
