#include "qt/pane/PaneWindows.h"

#include <QApplication>
#include <QStackedWidget>
#include <QWebEngineView>
#include <QWidget>

#include "qt/pane/PaneBrowser.h"

namespace corvane {

namespace {

bool holds(const QWidget* outer, const QWidget* widget) {
  return outer && widget && (outer == widget || outer->isAncestorOf(widget));
}

}  // namespace

PaneWindows::PaneWindows(const std::function<std::unique_ptr<PaneWindow>(PaneId)>& make) {
  for (PaneId id : kPanes) panes_[paneSlot(id)] = make(id);
  for (PaneId id : kPanes) panes_[paneSlot(id)]->addOverlays();
}

QWebEngineView* PaneWindows::viewOf(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    if (auto* view = qobject_cast<QWebEngineView*>(const_cast<QWidget*>(w))) return view;
    if (w->isWindow()) break;
    // What a page lays over itself (its reader view, its sheets) lies beside its view, in the
    // page's holder in the pane's stack of pages.
    if (qobject_cast<const QStackedWidget*>(w->parentWidget())) {
      return w->findChild<QWebEngineView*>(QString(), Qt::FindDirectChildrenOnly);
    }
  }
  return nullptr;
}

std::optional<PaneId> PaneWindows::pageOf(const QWidget* widget) const {
  const QWebEngineView* view = viewOf(widget);
  if (!view) return std::nullopt;
  for (PaneId id : kPanes) {
    if (holds((*this)[id].browserArea()->pages(), view)) return id;
  }
  return std::nullopt;
}

std::optional<PaneId> PaneWindows::paneOf(const QWidget* widget) const {
  if (const auto page = pageOf(widget)) return page;
  for (PaneId id : kPanes) {
    for (const QWidget* control : (*this)[id].aroundPage()) {
      if (holds(control, widget)) return id;
    }
  }
  return std::nullopt;
}

std::optional<PaneId> PaneWindows::focusedPane() const {
  return paneOf(QApplication::focusWidget());
}

}  // namespace corvane
