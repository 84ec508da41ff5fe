#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

class QWidget;

namespace corvane {

// Lets a window's own shortcuts for the keys listed here win over the focused widget: a text
// field, for one, claims Ctrl+E (end of line) before the window's shortcut is looked at. Keys not
// listed stay with the focused widget, so a text field keeps its Ctrl+C, Ctrl+V, Ctrl+X, Ctrl+A.
class WindowFirstShortcuts : public QObject {
  Q_OBJECT
 public:
  // Watches the keys of `window` and everything in it, for as long as the window lives.
  explicit WindowFirstShortcuts(QWidget* window);

  void add(const QKeySequence& keys);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  QList<QKeySequence> keys_;
};

}  // namespace corvane
