#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

#include "platform/ISendKeys.h"

class QWidget;

namespace corvane {

// ISendKeys for one window. Rather than forging key events, which the window's own menu
// shortcuts would catch first, keys reach the window's focused widget as the action of the area
// that holds it: a browser pane answers Ctrl+F with its find bar. Keys that the focused widget's
// area does not answer are dropped, as a window ignores keys it has no use for.
class QtSendKeys : public QObject, public ISendKeys {
  Q_OBJECT
 public:
  explicit QtSendKeys(QWidget* window);

  // What keys do while the focus lies on area or inside it.
  void answer(QWidget* area, const QString& keys, std::function<void()> action);

  // Keys no area answers are refused with std::invalid_argument.
  void SendKeys(const std::string& keys, bool wait) override;

 private:
  struct Answer {
    QPointer<QWidget> area;
    QString keys;
    std::function<void()> action;
  };

  void deliver(const QString& keys);

  QWidget* window_;
  QList<Answer> answers_;
};

}  // namespace corvane
