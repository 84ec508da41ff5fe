#pragma once

#include <QList>
#include <QObject>

class QWebEngineView;
class QWidget;

namespace corvane {

// Zoom of the pane that has the focus: Ctrl++ (or Ctrl+=) larger, Ctrl+- smaller, Ctrl+0 back
// to normal, Ctrl+wheel up larger and down smaller. A pane is its page and the controls that
// belong to it (address strip, toolbar, find bar); with the focus elsewhere the keys do nothing.
class PaneZoom : public QObject {
  Q_OBJECT
 public:
  struct Pane {
    QWebEngineView* view;
    QList<QWidget*> controls;
  };
  PaneZoom(QWidget* window, const QList<Pane>& panes);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWebEngineView* focusedView() const;
  static void zoom(QWebEngineView* view, int direction);
  void watchPageWidget(QWebEngineView* view);

  QList<Pane> panes_;
};

}  // namespace corvane
