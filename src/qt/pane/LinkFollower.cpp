#include "qt/pane/LinkFollower.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWebEngineView>

#include <utility>

#include "qt/page/BrowserPage.h"

namespace corvane {

namespace {
// As long as the engine itself lets a click open a pop-up: the navigation it starts follows
// within this, one that comes later was not the user's.
constexpr qint64 kUserActivationMs = 5000;
}  // namespace

LinkFollower::LinkFollower(const PaneWindows& panes, Target target, Open open)
    : QObject(&panes[PaneId::Top]),
      panes_(panes),
      target_(std::move(target)),
      open_(std::move(open)) {
  for (PaneId id : kPanes) {
    for (QWebEngineView* view : panes[id].pageViews()) follow(view);
    connect(&panes[id], &PaneWindow::pageViewAdded, this, &LinkFollower::follow);
  }
}

void LinkFollower::follow(QWebEngineView* view) {
  // The page's own widget gets the input; it is made afresh when the page changes renderer.
  view->installEventFilter(this);
  for (QObject* child : view->children()) {
    if (child->isWidgetType()) child->installEventFilter(this);
  }
  // A page may change views (full screen) and panes: it asks the view it is in at the time.
  if (auto* page = qobject_cast<BrowserPage*>(view->page())) {
    page->setLinkClickFilter(
        [this, page](const QUrl& url) { return handOver(QWebEngineView::forPage(page), url); });
  }
}

int LinkFollower::indexOf(const QObject* watched) const {
  if (!watched->isWidgetType()) return -1;
  const auto pane = panes_.pageOf(static_cast<const QWidget*>(watched));
  return pane ? static_cast<int>(paneSlot(*pane)) : -1;
}

bool LinkFollower::eventFilter(QObject* watched, QEvent* event) {
  const int at = indexOf(watched);
  if (at < 0) return false;
  switch (event->type()) {
    case QEvent::ChildAdded: {
      QObject* child = static_cast<QChildEvent*>(event)->child();
      if (child->isWidgetType()) child->installEventFilter(this);
      break;
    }
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) lastInput_[at].start();
      break;
    case QEvent::KeyPress: {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        lastInput_[at].start();
      }
      break;
    }
    default:
      break;
  }
  return false;
}

bool LinkFollower::handOver(QWebEngineView* view, const QUrl& url) {
  const int at = view ? indexOf(view) : -1;
  if (at < 0 || !lastInput_[at].isValid() || lastInput_[at].elapsed() > kUserActivationMs) {
    return false;
  }
  const PaneId pane = kPanes[at];
  const std::optional<PaneId> to = target_(pane);
  if (!to) return false;
  // The click is used up, and the other pane opens the link once the engine's call is over.
  lastInput_[at].invalidate();
  QTimer::singleShot(0, this, [this, to = *to, address = url.toString()] { open_(to, address); });
  return true;
}

}  // namespace corvane
