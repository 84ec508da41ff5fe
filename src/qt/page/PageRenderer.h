#pragma once

#include <QObject>
#include <QPointer>
#include <QWebEnginePage>

class QWebEngineFullScreenRequest;
class QWebEngineView;

namespace corvane {

class CrashNotice;
class FullScreenWindow;

// What a page's renderer does beyond drawing into its pane: it may take the whole screen (a
// video's full screen) in a window of its own, which Esc leaves; and it may crash or be killed,
// which ends full screen and puts a notice over the pane that offers to reload.
class PageRenderer : public QObject {
  Q_OBJECT
 public:
  explicit PageRenderer(QWebEnginePage* page);

  // The page now shows in `view`: the crash notice goes with it.
  void followView(QWebEngineView* view);

 private:
  void onFullScreenRequested(QWebEngineFullScreenRequest request);
  void onRenderProcessTerminated(QWebEnginePage::RenderProcessTerminationStatus status);

  QWebEnginePage* page_;
  QPointer<FullScreenWindow> fullScreen_;
  QPointer<CrashNotice> crashNotice_;
};

}  // namespace corvane
