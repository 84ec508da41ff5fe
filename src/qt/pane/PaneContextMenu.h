#pragma once

#include <QObject>
#include <QString>

#include <functional>

#include "panes/Pane.h"

class QWebEngineView;

namespace corvane {

// A pane's context menu: the engine's own, and on a link "Open Link in Top Pane" and "Open
// Link in Bottom Pane" first; last, the page's reader view.
class PaneContextMenu : public QObject {
  Q_OBJECT
 public:
  // `openInPane(pane, address)` opens the link's address in the pane.
  using OpenInPane = std::function<void(PaneId pane, const QString& address)>;
  // `readerView` shows the page's article or goes back to the page.
  PaneContextMenu(QWebEngineView* view, OpenInPane openInPane, std::function<void()> readerView);

 private:
  void show(const QPoint& at);

  QWebEngineView* view_;
  OpenInPane openInPane_;
  std::function<void()> readerView_;
};

}  // namespace corvane
