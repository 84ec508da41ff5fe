#include "qt/platform/QtSendKeys.h"

#include <QTimer>
#include <QWidget>

#include <stdexcept>
#include <utility>

namespace corvane {

QtSendKeys::QtSendKeys(QWidget* window) : QObject(window), window_(window) {}

void QtSendKeys::answer(QWidget* area, const QString& keys, std::function<void()> action) {
  answers_.append({area, keys, std::move(action)});
}

void QtSendKeys::SendKeys(const std::string& keys, bool wait) {
  const QString k = QString::fromStdString(keys);
  bool known = false;
  for (const Answer& a : answers_) known = known || a.keys == k;
  if (!known) throw std::invalid_argument("keys this window cannot send");
  if (wait) {
    deliver(k);
  } else {
    // Typed keys arrive after the sender has gone on; so do these.
    QTimer::singleShot(0, this, [this, k] { deliver(k); });
  }
}

void QtSendKeys::deliver(const QString& keys) {
  // The window's focus widget, whether or not the window is active just now.
  QWidget* focus = window_->focusWidget();
  if (!focus) return;
  for (const Answer& a : answers_) {
    if (a.keys == keys && a.area && (a.area == focus || a.area->isAncestorOf(focus))) {
      a.action();
      return;
    }
  }
}

}  // namespace corvane
