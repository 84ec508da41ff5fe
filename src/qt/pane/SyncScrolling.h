#pragma once

#include <QObject>

#include <functional>
#include <optional>

#include "panes/ScrollSync.h"
#include "qt/pane/PaneWindows.h"

class QWebEnginePage;
class QWebEngineView;

namespace corvane {

// Synchronized scrolling on the engine: tells the logic of each scroll of either pane's page,
// with where both pages stand, and scrolls the other page where the logic says. The pages are
// asked where they stand in a script world of Corvane's own, which the pages' scripts cannot
// reach; nothing is asked while synchronized scrolling is off.
class SyncScrolling : public QObject {
  Q_OBJECT
 public:
  using IsOn = std::function<bool()>;
  using Decide =
      std::function<std::optional<double>(PaneId pane, ScrollExtent page, ScrollExtent other)>;

  // The pages `panes` show, whichever they are; `panes` outlive it.
  SyncScrolling(const PaneWindows& panes, IsOn isOn, Decide decide);

 private:
  void follow(QWebEngineView* view);
  void scrolled(QWebEnginePage* page);

  const PaneWindows& panes_;
  IsOn isOn_;
  Decide decide_;
};

}  // namespace corvane
