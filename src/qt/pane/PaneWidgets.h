#pragma once

#include <QList>

#include <optional>

#include "panes/Pane.h"

class QWebEngineView;
class QWidget;

namespace corvane {

// The widgets each pane is made of: its page and what belongs to it (address strip, address
// box, toolbar, find bar). The one answer to "which pane holds this widget".
class PaneWidgets {
 public:
  struct Pane {
    QWebEngineView* view = nullptr;
    QList<QWidget*> controls;
  };
  PaneWidgets() = default;
  PaneWidgets(Pane top, Pane bottom);

  QWebEngineView* view(PaneId pane) const { return pane_(pane).view; }
  // The pane whose page or controls hold `widget`; none for a widget outside both panes.
  std::optional<PaneId> paneOf(const QWidget* widget) const;
  // The pane whose page holds `widget`.
  std::optional<PaneId> pageOf(const QWidget* widget) const;
  // The pane that holds the application's focus widget.
  std::optional<PaneId> focusedPane() const;

 private:
  const Pane& pane_(PaneId pane) const { return pane == PaneId::Top ? top_ : bottom_; }

  Pane top_;
  Pane bottom_;
};

}  // namespace corvane
