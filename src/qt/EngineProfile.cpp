#include "qt/EngineProfile.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "browser/DownloadStatus.h"
#include "dialogs/InternetOptions.h"
#include "qt/DownloadsWindow.h"
#include "qt/EngineOptions.h"
#include "qt/ExecutableName.h"
#include "qt/ProgramFolders.h"
#include "qt/QtSettingsStore.h"

namespace corvane {

EngineProfile::EngineProfile(const ProgramFolders& folders, QObject* parent)
    : QObject(parent), profile_(new QWebEngineProfile(QStringLiteral("corvane"), this)) {
  profile_->setPersistentStoragePath(QDir(folders.userData).filePath(QStringLiteral("webengine")));
  profile_->setCachePath(QDir(folders.userCache).filePath(QStringLiteral("webengine")));
  profile_->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
  profile_->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
  // The user's Internet Options hold from the first page on.
  QtSettingsStore store(folders.userConfig);
  applyInternetOptions(profile_, InternetOptions::Load(store, executableName().toStdString()));
  connect(profile_, &QWebEngineProfile::downloadRequested, this,
          &EngineProfile::onDownloadRequested);
}

EngineProfile::~EngineProfile() {
  // Pages must go before their profile, even one whose deleteLater() has not run yet.
  delete warmUpPage_;
}

void EngineProfile::warmUp() {
  if (warmUpPage_ || warmUpOver_) return;
  // Loading the page, not just creating it, is what starts a renderer and runs the engine's
  // navigation code once, which is most of what the panes' first loads would otherwise wait for.
  warmUpPage_ = new QWebEnginePage(profile_);
  connect(warmUpPage_, &QWebEnginePage::loadFinished, this, &EngineProfile::endWarmUp);
  warmUpPage_->setUrl(QUrl(QStringLiteral("about:blank")));
}

void EngineProfile::endWarmUp() {
  warmUpOver_ = true;
  // Later, not now: this may run inside the page's own signal. Its renderer ends with it.
  if (warmUpPage_) warmUpPage_->deleteLater();
}

void EngineProfile::onDownloadRequested(QWebEngineDownloadRequest* download) {
  // A page saved through Save As arrives here already under way, its file chosen.
  if (download->state() != QWebEngineDownloadRequest::DownloadRequested) return;
  QWidget* view = QWebEngineView::forPage(download->page());
  QFileDialog dialog(view ? view->window() : nullptr, tr("Save Download"));
  dialog.setObjectName(QStringLiteral("DownloadSaveDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
  QDir().mkpath(folder);
  dialog.selectFile(QString::fromStdString(DownloadStatus::proposedPath(
      folder.toStdString(), download->downloadFileName().toStdString())));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    download->cancel();  // the user's choice; nothing to show
    return;
  }
  const QFileInfo target(dialog.selectedFiles().constFirst());
  download->setDownloadDirectory(target.absolutePath());
  download->setDownloadFileName(target.fileName());
  download->accept();
  if (!downloads_) downloads_ = std::make_unique<DownloadsWindow>();
  downloads_->add(download);
}

}  // namespace corvane
