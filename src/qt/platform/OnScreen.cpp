#include "qt/platform/OnScreen.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace corvane {

void keepOnScreen(QWidget* window) {
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect room = screen->availableGeometry();
  // A window not yet shown has not laid out its contents; its size may still grow.
  if (QLayout* layout = window->layout()) layout->activate();
  const QRect frame = window->frameGeometry();
  const QSize border = frame.size() - window->size();
  window->resize(window->size().boundedTo(room.size() - border));
  const QSize outer = window->size() + border;
  const int left = std::clamp(frame.left(), room.left(), room.right() + 1 - outer.width());
  const int top = std::clamp(frame.top(), room.top(), room.bottom() + 1 - outer.height());
  window->move(left, top);
}

QWidget* dialogOwner(QWidget* fallback) {
  QWidget* active = QApplication::activeWindow();
  return active && active->isVisible() ? active : fallback;
}

}  // namespace corvane
