#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QWebEngineView;

namespace corvane {

// A pane's context menu: the engine's own, and on a link "Open Link in Top Pane" and "Open
// Link in Bottom Pane" first.
class PaneContextMenu : public QObject {
  Q_OBJECT
 public:
  // `openInPane(top, address)` opens the link's address in the top pane or the bottom one.
  using OpenInPane = std::function<void(bool top, const QString& address)>;
  PaneContextMenu(QWebEngineView* view, OpenInPane openInPane);

 private:
  void show(const QPoint& at);

  QWebEngineView* view_;
  OpenInPane openInPane_;
};

}  // namespace corvane
