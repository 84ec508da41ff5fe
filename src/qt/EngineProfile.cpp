#include "qt/EngineProfile.h"

#include <QDir>
#include <QFileDialog>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include "dialogs/InternetOptions.h"
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
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
  const QString path = QFileDialog::getSaveFileName(
      nullptr, tr("Save Download"), QDir(folder).filePath(download->downloadFileName()));
  if (path.isEmpty()) {
    download->cancel();
    return;
  }
  const QFileInfo target(path);
  download->setDownloadDirectory(target.absolutePath());
  download->setDownloadFileName(target.fileName());
  download->accept();

  auto* progress = new QProgressDialog(tr("Downloading %1").arg(target.fileName()), tr("Cancel"),
                                       0, 100);
  progress->setAttribute(Qt::WA_DeleteOnClose);
  progress->setWindowTitle(tr("Corvane"));
  progress->setMinimumDuration(0);
  connect(progress, &QProgressDialog::canceled, download, &QWebEngineDownloadRequest::cancel);
  connect(download, &QWebEngineDownloadRequest::receivedBytesChanged, progress,
          [progress, download] {
            const qint64 total = download->totalBytes();
            progress->setValue(total > 0 ? int(download->receivedBytes() * 100 / total) : 0);
          });
  connect(download, &QWebEngineDownloadRequest::isFinishedChanged, progress, [progress, download] {
    if (download->state() != QWebEngineDownloadRequest::DownloadCompleted) {
      progress->close();
      return;
    }
    progress->setLabelText(tr("Saved %1").arg(download->downloadFileName()));
    progress->setValue(100);
    progress->close();
  });
  progress->show();
}

}  // namespace corvane
