#include "qt/window/WindowFirstShortcuts.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace corvane {

WindowFirstShortcuts::WindowFirstShortcuts(QWidget* window) : QObject(window), window_(window) {
  // The claim is asked of the focused widget, and a claim ends the asking there, so the filter
  // has to see the event before any widget of the window does.
  QCoreApplication::instance()->installEventFilter(this);
}

void WindowFirstShortcuts::add(const QKeySequence& keys) {
  if (!keys.isEmpty() && !keys_.contains(keys)) keys_.append(keys);
}

bool WindowFirstShortcuts::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType() ||
      static_cast<QWidget*>(watched)->window() != window_) {
    return false;
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  if (!keys_.contains(QKeySequence(key->keyCombination()))) return false;
  // Unclaimed, the key goes on to the window's shortcut.
  event->ignore();
  return true;
}

}  // namespace corvane
