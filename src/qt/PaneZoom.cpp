#include "qt/PaneZoom.h"

#include <QApplication>
#include <QChildEvent>
#include <QShortcut>
#include <QWebEngineView>
#include <QWheelEvent>

#include "browser/ZoomSteps.h"

namespace corvane {

PaneZoom::PaneZoom(QWidget* window, const QList<Pane>& panes) : QObject(window), panes_(panes) {
  const struct {
    QKeySequence keys;
    int direction;
  } shortcuts[] = {
      // "+" is a shifted key on most layouts, and the keypad has its own.
      {QKeySequence(Qt::CTRL | Qt::Key_Plus), 1},
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus), 1},
      {QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Plus)), 1},
      {QKeySequence(Qt::CTRL | Qt::Key_Equal), 1},
      {QKeySequence(Qt::CTRL | Qt::Key_Minus), -1},
      {QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_Minus)), -1},
      {QKeySequence(Qt::CTRL | Qt::Key_0), 0},
      {QKeySequence(QKeyCombination(Qt::ControlModifier | Qt::KeypadModifier, Qt::Key_0)), 0},
  };
  for (const auto& shortcut : shortcuts) {
    auto* key = new QShortcut(shortcut.keys, window);
    const int direction = shortcut.direction;
    connect(key, &QShortcut::activated, this, [this, direction] {
      if (QWebEngineView* view = focusedView()) zoom(view, direction);
    });
  }
  for (const Pane& pane : panes_) {
    // The page's own widget gets the wheel; it is made afresh when the page changes renderer.
    pane.view->installEventFilter(this);
    watchPageWidget(pane.view);
  }
}

void PaneZoom::watchPageWidget(QWebEngineView* view) {
  for (QObject* child : view->children()) {
    if (child->isWidgetType()) child->installEventFilter(this);
  }
}

QWebEngineView* PaneZoom::focusedView() const {
  const QWidget* focus = QApplication::focusWidget();
  if (!focus) return nullptr;
  for (const Pane& pane : panes_) {
    if (pane.view == focus || pane.view->isAncestorOf(focus)) return pane.view;
    for (const QWidget* control : pane.controls) {
      if (control && (control == focus || control->isAncestorOf(focus))) return pane.view;
    }
  }
  return nullptr;
}

void PaneZoom::zoom(QWebEngineView* view, int direction) {
  const double now = view->zoomFactor();
  view->setZoomFactor(direction > 0   ? ZoomSteps::larger(now)
                      : direction < 0 ? ZoomSteps::smaller(now)
                                      : ZoomSteps::kNormal);
}

bool PaneZoom::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ChildAdded) {
    QObject* child = static_cast<QChildEvent*>(event)->child();
    if (child->isWidgetType()) child->installEventFilter(this);
  } else if (event->type() == QEvent::Wheel) {
    const auto* wheel = static_cast<QWheelEvent*>(event);
    const int steps = wheel->angleDelta().y();
    if ((wheel->modifiers() & Qt::ControlModifier) && steps != 0) {
      for (const Pane& pane : panes_) {
        if (watched == pane.view || watched->parent() == pane.view) {
          zoom(pane.view, steps > 0 ? 1 : -1);
          return true;
        }
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace corvane
