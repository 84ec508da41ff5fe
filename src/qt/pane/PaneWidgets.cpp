#include "qt/pane/PaneWidgets.h"

#include <QApplication>
#include <QWebEngineView>
#include <QWidget>

#include <utility>

namespace corvane {

namespace {

bool holds(const QWidget* outer, const QWidget* widget) {
  return outer && widget && (outer == widget || outer->isAncestorOf(widget));
}

}  // namespace

PaneWidgets::PaneWidgets(Pane top, Pane bottom)
    : top_(std::move(top)), bottom_(std::move(bottom)) {}

std::optional<PaneId> PaneWidgets::pageOf(const QWidget* widget) const {
  for (PaneId id : {PaneId::Top, PaneId::Bottom}) {
    if (holds(pane_(id).view, widget)) return id;
  }
  return std::nullopt;
}

std::optional<PaneId> PaneWidgets::paneOf(const QWidget* widget) const {
  if (const auto page = pageOf(widget)) return page;
  for (PaneId id : {PaneId::Top, PaneId::Bottom}) {
    for (const QWidget* control : pane_(id).controls) {
      if (holds(control, widget)) return id;
    }
  }
  return std::nullopt;
}

std::optional<PaneId> PaneWidgets::focusedPane() const {
  return paneOf(QApplication::focusWidget());
}

}  // namespace corvane
