#pragma once

#include <QObject>
#include <QString>

#include "history/IHistoryNotices.h"

class QWidget;

namespace corvane {

// IHistoryNotices as a message box over the main window: a notice from any thread is brought to
// the window's thread and shown once, without holding up whatever runs there; one that comes
// before the window is on the screen waits for it.
class QtHistoryNotices : public QObject, public IHistoryNotices {
  Q_OBJECT
 public:
  // window: the main window, which must outlive this.
  explicit QtHistoryNotices(QWidget* window);

  void HistoryNotice(const std::string& message) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void arrived(const QString& text);
  void show(const QString& text);

  QWidget* window_;
  QString waiting_;
  bool shown_ = false;
};

}  // namespace corvane
