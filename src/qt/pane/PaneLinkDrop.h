#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

#include "panes/Pane.h"
#include "qt/pane/PaneWindows.h"

class QWebEngineView;

namespace corvane {

// A link dragged out of one pane's page and dropped on the other pane's page opens there, the
// way an address picked in that pane's box does. The drag belongs to Corvane from the moment it
// enters the other page: the page neither sees it nor opens the link by itself. Whatever else is
// dragged onto a page (text, a link of its own, a file from elsewhere) is the page's business.
class PaneLinkDrop : public QObject {
  Q_OBJECT
 public:
  using OnDrop = std::function<void(PaneId pane, const QString& address)>;

  // Watches the pages of `panes`, and those they gain; `panes` outlive it.
  PaneLinkDrop(const PaneWindows& panes, OnDrop onDrop);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const PaneWindows& panes_;
  OnDrop onDrop_;
  // The view a link from the other pane is being dragged over, if any.
  QPointer<QWebEngineView> carrying_;
};

}  // namespace corvane
