#include "qt/pane/PaneWindows.h"

#include <QApplication>
#include <QWebEngineView>
#include <QWidget>

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

QList<QWebEngineView*> PaneWindows::views() const {
  QList<QWebEngineView*> views;
  for (PaneId id : kPanes) views << view(id);
  return views;
}

std::optional<PaneId> PaneWindows::pageOf(const QWidget* widget) const {
  for (PaneId id : kPanes) {
    if (holds(view(id), widget)) return id;
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
