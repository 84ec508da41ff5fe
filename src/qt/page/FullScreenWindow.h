#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QWebEngineView;

namespace corvane {

// A page's full screen (a video's, say): the page moves into a view of its own that fills the
// screen, and back into its pane when it leaves. Esc leaves it.
class FullScreenWindow : public QWidget {
  Q_OBJECT
 public:
  explicit FullScreenWindow(QWebEngineView* paneView);
  // Hands the page back to its pane.
  ~FullScreenWindow() override;

 private:
  QWebEngineView* view_;
  // Guarded: the window closes with the main window, whose panes may have gone first.
  QPointer<QWebEngineView> paneView_;
  QLabel* hint_;
};

}  // namespace corvane
