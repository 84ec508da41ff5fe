#pragma once

#include <QObject>

#include "qt/pane/PaneWindows.h"

class QWebEngineView;
class QWidget;

namespace corvane {

// Zoom of the pane that has the focus: Ctrl++ (or Ctrl+=) larger, Ctrl+- smaller, Ctrl+0 back
// to normal, Ctrl+wheel up larger and down smaller. A pane is its page and the controls that
// belong to it (address strip, toolbar, tabs, find bar); with the focus elsewhere the keys do
// nothing. Each page keeps its own zoom: the keys zoom the page the pane shows.
class PaneZoom : public QObject {
  Q_OBJECT
 public:
  // `panes` outlive it.
  PaneZoom(QWidget* window, const PaneWindows& panes);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  static void zoom(QWebEngineView* view, int direction);
  void watchPage(QWebEngineView* view);

  const PaneWindows& panes_;
};

}  // namespace corvane
