#include "qt/engine/EngineProfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "browser/DownloadStatus.h"
#include "dialogs/InternetOptions.h"
#include "qt/engine/DownloadSaveDialog.h"
#include "qt/engine/DownloadsWindow.h"
#include "qt/engine/EngineOptions.h"
#include "qt/page/BrowserPage.h"
#include "qt/page/PageDialogChannel.h"
#include "qt/platform/ExecutableName.h"
#include "qt/platform/QtSettingsStore.h"
#include "qt/start/ProgramFolders.h"

namespace corvane {

namespace {
constexpr int kPanes = 2;
}  // namespace

EngineProfile::EngineProfile(const ProgramFolders& folders, QObject* parent)
    : QObject(parent),
      profile_(new QWebEngineProfile(QStringLiteral("corvane"), this)),
      dialogChannel_(new PageDialogChannel(this)),
      services_{sitePermissions_, *dialogChannel_} {
  profile_->installUrlSchemeHandler(PageDialogChannel::scheme(), dialogChannel_);
  profile_->setPersistentStoragePath(QDir(folders.userData).filePath(QStringLiteral("webengine")));
  profile_->setCachePath(QDir(folders.userCache).filePath(QStringLiteral("webengine")));
  profile_->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
  profile_->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
  // The user's Internet Options hold from the first page on.
  QtSettingsStore store(folders.userConfig);
  applyInternetOptions(profile_, InternetOptions::Load(store, executableName().toStdString()));
  // The engine's PDF viewer is one of its plugins: without them a PDF, even one on this
  // computer, is only offered as a download.
  profile_->settings()->setAttribute(QWebEngineSettings::PluginsEnabled, true);
  connect(profile_, &QWebEngineProfile::downloadRequested, this,
          &EngineProfile::onDownloadRequested);
}

EngineProfile::~EngineProfile() {
  // Pages must go before their profile.
  for (BrowserPage* page : panePages_) delete page;
}

void EngineProfile::startPanePages() {
  if (panePagesStarted_) return;
  panePagesStarted_ = true;
  for (int i = 0; i < kPanes; ++i) {
    auto* page = new BrowserPage(profile_, services_, nullptr);
    // Whatever asks for a page's document makes its engine side and starts its renderer on the
    // empty first document. A load would do it too, but would leave a page to go Back to.
    page->runJavaScript(QString(), QWebEngineScript::ApplicationWorld);
    panePages_.push_back(page);
  }
}

BrowserPage* EngineProfile::takePanePage(QObject* parent) {
  // Pages started after the panes have theirs would only hold renderers that nothing uses.
  panePagesStarted_ = true;
  if (panePages_.empty()) return new BrowserPage(profile_, services_, parent);
  BrowserPage* page = panePages_.front();
  panePages_.erase(panePages_.begin());
  page->setParent(parent);
  return page;
}

void EngineProfile::onDownloadRequested(QWebEngineDownloadRequest* download) {
  // A page saved through Save As arrives here already under way, its file chosen.
  if (download->state() != QWebEngineDownloadRequest::DownloadRequested) return;
  QWebEnginePage* from = download->page();
  for (auto chosen = chosen_.begin(); chosen != chosen_.end(); ++chosen) {
    if (chosen->page == from && chosen->url == download->url()) {
      const QFileInfo target(chosen->path);
      chosen_.erase(chosen);
      start(download, target);
      return;
    }
  }
  auto* page = qobject_cast<BrowserPage*>(from);
  // The engine drops a download not accepted here; one the user allows later starts afresh.
  if (page && !page->downloadRequested(download->url(), download->downloadFileName())) {
    download->cancel();
    return;
  }
  ask(download);
}

void EngineProfile::ask(QWebEngineDownloadRequest* download) {
  QWidget* view = QWebEngineView::forPage(download->page());
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
  QDir().mkpath(folder);
  auto* dialog = new DownloadSaveDialog(
      view ? view->window() : nullptr,
      QString::fromStdString(DownloadStatus::proposedPath(
          folder.toStdString(), download->downloadFileName().toStdString())));
  const QPointer<QWebEnginePage> page(download->page());
  if (!page) {
    // Nothing could ask for it again: the answer is needed now.
    if (dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
      start(download, QFileInfo(dialog->selectedFiles().constFirst()));
    } else {
      download->cancel();
    }
    return;
  }
  // The engine wants the answer before this call returns and does no other work until then, in
  // either pane; so the request is dropped, and the page asks again once the user has chosen.
  const QUrl url = download->url();
  download->cancel();
  connect(dialog, &QDialog::finished, this, [this, dialog, page, url](int result) {
    if (result != QDialog::Accepted || !page || dialog->selectedFiles().isEmpty()) return;
    const QString path = dialog->selectedFiles().constFirst();
    chosen_.push_back({page, url, path});
    page->download(url, QFileInfo(path).fileName());
  });
  // In front and with the keys, as the user has just asked for it, but holding up nothing else.
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
}

void EngineProfile::start(QWebEngineDownloadRequest* download, const QFileInfo& target) {
  download->setDownloadDirectory(target.absolutePath());
  download->setDownloadFileName(target.fileName());
  download->accept();
  if (!downloads_) downloads_ = std::make_unique<DownloadsWindow>();
  downloads_->add(download);
}

}  // namespace corvane
