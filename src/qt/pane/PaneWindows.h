#pragma once

#include <QList>

#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "panes/Pane.h"
#include "qt/pane/PaneSlots.h"
#include "qt/pane/PaneWindow.h"

class QWebEngineView;
class QWidget;

namespace corvane {

// The window's panes, one PaneWindow each, indexed by the pane; and the one answer to "which
// pane holds this widget".
class PaneWindows {
 public:
  PaneWindows() = default;
  // Makes each pane, the top one first.
  explicit PaneWindows(const std::function<std::unique_ptr<PaneWindow>(PaneId)>& make);

  PaneWindow& operator[](PaneId pane) const { return *panes_[paneSlot(pane)]; }
  // The view of the page the pane shows.
  QWebEngineView* view(PaneId pane) const { return (*this)[pane].view(); }

  // The pane whose page or controls hold `widget`; none for a widget outside both panes.
  std::optional<PaneId> paneOf(const QWidget* widget) const;
  // The pane one of whose pages holds `widget` (the page itself, not what lies over it).
  std::optional<PaneId> pageOf(const QWidget* widget) const;
  // The view of the page that holds `widget`, in either pane; null for any other widget.
  static QWebEngineView* viewOf(const QWidget* widget);
  // The pane that holds the application's focus widget.
  std::optional<PaneId> focusedPane() const;

 private:
  std::array<std::unique_ptr<PaneWindow>, 2> panes_;
};

}  // namespace corvane
