#include "qt/pane/PaneLinkDrop.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>

#include <optional>
#include <utility>

namespace corvane {

namespace {

PaneId otherPane(PaneId pane) { return pane == PaneId::Top ? PaneId::Bottom : PaneId::Top; }

}  // namespace

PaneLinkDrop::PaneLinkDrop(const PaneWindows& panes, OnDrop onDrop)
    : QObject(&panes[PaneId::Top]), panes_(panes), onDrop_(std::move(onDrop)) {
  for (PaneId id : kPanes) {
    for (QWebEngineView* view : panes[id].pageViews()) view->installEventFilter(this);
    connect(&panes[id], &PaneWindow::pageViewAdded, this,
            [this](QWebEngineView* view) { view->installEventFilter(this); });
  }
}

bool PaneLinkDrop::eventFilter(QObject* watched, QEvent* event) {
  auto* view = qobject_cast<QWebEngineView*>(watched);
  const std::optional<PaneId> pane = view ? panes_.pageOf(view) : std::nullopt;
  if (!pane) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::DragEnter: {
      auto& drag = static_cast<QDragEnterEvent&>(*event);
      const auto* source = qobject_cast<const QWidget*>(drag.source());
      if (!source || panes_.pageOf(source) != otherPane(*pane) || !drag.mimeData()->hasUrls()) {
        return false;
      }
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
      // Opened once the drag has ended: the page it came from is still inside its drag.
      QTimer::singleShot(0, this, [this, to = *pane, address] { onDrop_(to, address); });
      return true;
    }
    default:
      return false;
  }
}

}  // namespace corvane
