#include "qt/page/PageDownloads.h"

#include <string>
#include <utility>

#include "browser/DownloadStatus.h"
#include "browser/EnginePrompts.h"
#include "qt/page/PageOverlay.h"
#include "qt/page/PaneNotice.h"

namespace corvane {

PageDownloads::PageDownloads(QWebEnginePage* page) : QObject(page), page_(page) {}

bool PageDownloads::requested(const QUrl& url, const QString& file) {
  if (!typed_.isEmpty() && std::exchange(typed_, QUrl()) == url) return true;
  switch (gate_.request()) {
    case DownloadGate::Decision::Go:
      return true;
    case DownloadGate::Decision::Refuse:
      return false;
    case DownloadGate::Decision::Ask:
      break;
  }
  pending_ = url;
  pendingName_ = file;
  if (!notice_) {
    QWebEngineView* view = overlaidView(page_);
    if (!view) {
      gate_.answered(false);
      return false;
    }
    notice_ = new PaneNotice(view, QStringLiteral("DownloadNotice"), 1);
    notice_->addButton(tr("A&llow"), QStringLiteral("Allow"), [this] {
      gate_.answered(true);
      page_->download(pending_, pendingName_);
    });
    notice_->addButton(tr("&Block"), QStringLiteral("Block"), [this] { gate_.answered(false); });
    notice_->onDismissed([this] { gate_.answered(false); });
  }
  notice_->showNotice(QString::fromStdString(
      EnginePrompts::download(page_->url().host().toStdString(),
                              DownloadStatus::proposedPath(std::string(), file.toStdString()))));
  return false;
}

void PageDownloads::navigating(const QUrl& url, QWebEnginePage::NavigationType type) {
  if (type == QWebEnginePage::NavigationTypeTyped) typed_ = url;
  if (type == QWebEnginePage::NavigationTypeRedirect && !typed_.isEmpty()) typed_ = url;
}

void PageDownloads::documentCreated() {
  gate_ = DownloadGate();
  if (notice_) notice_->withdraw();
  typed_.clear();
}

void PageDownloads::followView(QWebEngineView* view) {
  if (notice_) notice_->moveTo(view);
}

}  // namespace corvane
