#include "qt/pane/PageFocusKeeper.h"

#include <QApplication>
#include <QChildEvent>
#include <QWebEngineView>

namespace corvane {

PageFocusKeeper::PageFocusKeeper(QWidget* window, const PaneWindows& panes)
    : QObject(window), panes_(panes) {
  for (PaneId id : kPanes) {
    for (QWebEngineView* view : panes_[id].pageViews()) watch(view);
    connect(&panes_[id], &PaneWindow::pageViewAdded, this, &PageFocusKeeper::watch);
  }
}

void PageFocusKeeper::watch(QWebEngineView* view) {
  view->installEventFilter(this);
  for (QObject* child : view->children()) {
    if (child->isWidgetType()) child->installEventFilter(this);
  }
}

bool PageFocusKeeper::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::ChildAdded) {
    QObject* child = static_cast<QChildEvent*>(event)->child();
    if (child->isWidgetType()) child->installEventFilter(this);
    return false;
  }
  if (type != QEvent::Hide || !watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  auto* view = qobject_cast<QWebEngineView*>(widget->parentWidget());
  // Only the page's own widget going while its page still shows, with the focus in it: a pane
  // that is hidden as a whole gives the focus away as any control does.
  if (!view || !panes_.pageOf(view) || !view->isVisible() || view->focusProxy() != widget ||
      QApplication::focusWidget() != widget) {
    return false;
  }
  // The page holds the focus itself until its new widget becomes its focus proxy, which then
  // takes the focus over.
  view->setFocusProxy(nullptr);
  view->setFocus(Qt::OtherFocusReason);
  return false;
}

}  // namespace corvane
