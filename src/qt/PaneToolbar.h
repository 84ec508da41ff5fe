#pragma once

#include <QToolBar>

namespace corvane {

// A pane's toolbar: Back, Forward, Stop, Refresh, Home, Fav, Search and Chat, in that order.
// Buttons are addressed by key, and Back and Forward also by position (1 and 2). The buttons
// start with a raised look; the window's start-up toggles them flat once.
class PaneToolbar : public QToolBar {
  Q_OBJECT
 public:
  PaneToolbar(const QString& objectName, const QString& accessibleName, QWidget* parent);

  // Button by position, 1 = Back ... 8 = Chat; nullptr outside that range.
  QAction* button(int position) const;
  // Toggles the buttons' flat (auto-raise) look.
  void toggleFlat();

 Q_SIGNALS:
  // The key of the pressed button.
  void buttonClick(const QString& key);

 private:
  QList<QAction*> buttons_;
};

}  // namespace corvane
