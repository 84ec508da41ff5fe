#pragma once

#include <QObject>
#include <QString>

#include <functional>

#include "panes/Pane.h"

class QWebEngineView;

namespace corvane {

// A page's context menu: the engine's own, and on a link "Open Link in Top Pane", "Open Link in
// Bottom Pane" and "Open Link in New Page" first; last, the page's reader view.
class PaneContextMenu : public QObject {
  Q_OBJECT
 public:
  // `openInPane(pane, address)` opens the link's address in the pane.
  using OpenInPane = std::function<void(PaneId pane, const QString& address)>;
  // `openInNewPage(view, address)` opens the link of the page in `view` as a new page;
  // `readerView` shows the page's article or goes back to the page.
  using OpenInNewPage = std::function<void(QWebEngineView* view, const QString& address)>;
  PaneContextMenu(QWebEngineView* view, OpenInPane openInPane, OpenInNewPage openInNewPage,
                  std::function<void()> readerView);

 private:
  void show(const QPoint& at);

  QWebEngineView* view_;
  OpenInPane openInPane_;
  OpenInNewPage openInNewPage_;
  std::function<void()> readerView_;
};

}  // namespace corvane
