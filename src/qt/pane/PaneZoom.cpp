#include "qt/pane/PaneZoom.h"

#include <QChildEvent>
#include <QShortcut>
#include <QWebEngineView>
#include <QWheelEvent>

#include "browser/ZoomSteps.h"
#include "qt/page/BrowserPage.h"
#include "qt/page/PageReader.h"

namespace corvane {

PaneZoom::PaneZoom(QWidget* window, const PaneWindows& panes) : QObject(window), panes_(panes) {
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
      if (const auto pane = panes_.focusedPane()) zoom(panes_.view(*pane), direction);
    });
  }
  for (PaneId id : kPanes) {
    for (QWebEngineView* view : panes_[id].pageViews()) watchPage(view);
    connect(&panes_[id], &PaneWindow::pageViewAdded, this, &PaneZoom::watchPage);
  }
}

void PaneZoom::watchPage(QWebEngineView* view) {
  // The page's own widget gets the wheel; it is made afresh when the page changes renderer.
  view->installEventFilter(this);
  for (QObject* child : view->children()) {
    if (child->isWidgetType()) child->installEventFilter(this);
  }
}

void PaneZoom::zoom(QWebEngineView* view, int direction) {
  const double now = view->zoomFactor();
  view->setZoomFactor(direction > 0   ? ZoomSteps::larger(now)
                      : direction < 0 ? ZoomSteps::smaller(now)
                                      : ZoomSteps::kNormal);
  if (auto* page = qobject_cast<BrowserPage*>(view->page())) page->reader().followZoom();
}

bool PaneZoom::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ChildAdded) {
    QObject* child = static_cast<QChildEvent*>(event)->child();
    if (child->isWidgetType()) child->installEventFilter(this);
  } else if (event->type() == QEvent::Wheel) {
    const auto* wheel = static_cast<QWheelEvent*>(event);
    const int steps = wheel->angleDelta().y();
    if ((wheel->modifiers() & Qt::ControlModifier) && steps != 0 && watched->isWidgetType()) {
      const auto* widget = static_cast<const QWidget*>(watched);
      QWebEngineView* view = PaneWindows::viewOf(widget);
      if (view && panes_.pageOf(widget)) {
        zoom(view, steps > 0 ? 1 : -1);
        return true;
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace corvane
