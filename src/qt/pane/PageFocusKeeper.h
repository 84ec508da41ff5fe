#pragma once

#include <QObject>

#include "qt/pane/PaneWindows.h"

class QWebEngineView;
class QWidget;

namespace corvane {

// Keeps the keyboard focus in a pane's page while the engine gives the page a new widget, as it
// does when the page changes renderer (a step between a local file and a web page, either way):
// the old widget is hidden and the new one takes its place. Left alone, hiding the old widget
// would pass the focus on to the next control of the window, and the keys meant for the page
// would act on another control or pane.
class PageFocusKeeper : public QObject {
  Q_OBJECT
 public:
  // Watches the pages of `panes`, and those they gain; `panes` outlive it.
  PageFocusKeeper(QWidget* window, const PaneWindows& panes);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void watch(QWebEngineView* view);

  const PaneWindows& panes_;
};

}  // namespace corvane
