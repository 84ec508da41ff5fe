#include "qt/page/PageRenderer.h"

#include <QWebEngineFullScreenRequest>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "browser/EnginePrompts.h"
#include "qt/page/CrashNotice.h"
#include "qt/page/FullScreenWindow.h"
#include "qt/page/PageOverlay.h"

namespace corvane {

PageRenderer::PageRenderer(QWebEnginePage* page) : QObject(page), page_(page) {
  page->settings()->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, true);
  connect(page, &QWebEnginePage::fullScreenRequested, this, &PageRenderer::onFullScreenRequested);
  connect(page, &QWebEnginePage::renderProcessTerminated, this,
          &PageRenderer::onRenderProcessTerminated);
}

void PageRenderer::onFullScreenRequested(QWebEngineFullScreenRequest request) {
  QWebEngineView* view = QWebEngineView::forPage(page_);
  if (request.toggleOn()) {
    if (fullScreen_ || !view) {
      request.reject();
      return;
    }
    request.accept();
    fullScreen_ = new FullScreenWindow(view);
  } else {
    request.accept();
    // Later: the request may come from within the window's own key handling.
    if (fullScreen_) fullScreen_->deleteLater();  // hands the page back to its pane
  }
}

void PageRenderer::onRenderProcessTerminated(
    QWebEnginePage::RenderProcessTerminationStatus status) {
  if (status == QWebEnginePage::NormalTerminationStatus) return;
  if (fullScreen_) delete fullScreen_;
  QWebEngineView* view = overlaidView(page_);
  if (!view) return;
  if (!crashNotice_) crashNotice_ = new CrashNotice(view);
  crashNotice_->showNotice(QString::fromStdString(
      EnginePrompts::crashed(page_->url().toDisplayString().toStdString(),
                             status == QWebEnginePage::KilledTerminationStatus)));
}

void PageRenderer::followView(QWebEngineView* view) {
  if (crashNotice_) crashNotice_->moveTo(view);
}

}  // namespace corvane
