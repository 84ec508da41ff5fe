#include "qt/pane/PaneLinkDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>

#include <utility>

namespace corvane {

namespace {

bool comesFrom(const QDropEvent& event, const QWebEngineView* view) {
  const auto* source = qobject_cast<const QWidget*>(event.source());
  return source && (source == view || view->isAncestorOf(source));
}

}  // namespace

PaneLinkDrop::PaneLinkDrop(const PaneWindows& panes, OnDrop onDrop)
    : QObject(panes.view(PaneId::Top)), onDrop_(std::move(onDrop)) {
  for (PaneId id : kPanes) {
    views_[paneSlot(id)] = panes.view(id);
    panes.view(id)->installEventFilter(this);
  }
}

bool PaneLinkDrop::eventFilter(QObject* watched, QEvent* event) {
  const int at = watched == views_[0] ? 0 : watched == views_[1] ? 1 : -1;
  if (at < 0) return QObject::eventFilter(watched, event);
  QWebEngineView* view = views_[at];
  QWebEngineView* other = views_[1 - at];
  switch (event->type()) {
    case QEvent::DragEnter: {
      auto& drag = static_cast<QDragEnterEvent&>(*event);
      if (!comesFrom(drag, other) || !drag.mimeData()->hasUrls()) return false;
      carrying_ = view;
      drag.acceptProposedAction();
      return true;
    }
    case QEvent::DragMove:
      if (carrying_ != view) return false;
      static_cast<QDragMoveEvent*>(event)->acceptProposedAction();
      return true;
    case QEvent::DragLeave:
      if (carrying_ != view) return false;
      carrying_ = nullptr;
      return true;
    case QEvent::Drop: {
      if (carrying_ != view) return false;
      carrying_ = nullptr;
      auto& drop = static_cast<QDropEvent&>(*event);
      const QList<QUrl> urls = drop.mimeData()->urls();
      drop.acceptProposedAction();
      if (urls.isEmpty()) return true;
      const QString address = urls.first().toString();
      const PaneId pane = kPanes[at];
      // Opened once the drag has ended: the page it came from is still inside its drag.
      QTimer::singleShot(0, this, [this, pane, address] { onDrop_(pane, address); });
      return true;
    }
    default:
      return false;
  }
}

}  // namespace corvane
