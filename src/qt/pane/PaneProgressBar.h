#pragma once

#include <QProgressBar>
#include <QTimer>

class QAccessibleEvent;

namespace corvane {

// A pane's progress bar. Empty, between loads, it has no extent for assistive tools, so that a
// screen reader does not say "0 percent" after every load; while a page loads it is an ordinary
// progress bar whose value readers may speak. It tells them its value at most twice a second: a
// slow page moves it a percent at a time, and a reader that falls a hundred events behind drops
// what comes next ("Loading stopped").
class PaneProgressBar : public QProgressBar {
  Q_OBJECT
 public:
  explicit PaneProgressBar(QWidget* parent);
  ~PaneProgressBar() override;

 private:
  // Whether an event about the bar's value goes out now; one held back goes at the end of the
  // pause, with the value then.
  bool pace(QAccessibleEvent* event);

  int filter_ = 0;
  QTimer pause_;
  bool held_ = false;
};

}  // namespace corvane
