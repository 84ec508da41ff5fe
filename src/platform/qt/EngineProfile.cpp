#include "platform/qt/EngineProfile.h"

#include <QDir>
#include <QFileDialog>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include "platform/qt/ProgramFolders.h"

namespace corvane {

EngineProfile::EngineProfile(const ProgramFolders& folders, QObject* parent)
    : QObject(parent), profile_(new QWebEngineProfile(QStringLiteral("corvane"), this)) {
  profile_->setPersistentStoragePath(QDir(folders.userData).filePath(QStringLiteral("webengine")));
  profile_->setCachePath(QDir(folders.userCache).filePath(QStringLiteral("webengine")));
  profile_->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
  profile_->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
  connect(profile_, &QWebEngineProfile::downloadRequested, this,
          &EngineProfile::onDownloadRequested);
}

EngineProfile::~EngineProfile() {
  // Pages must go before their profile.
  delete warmUpPage_;
}

void EngineProfile::warmUp() {
  if (warmUpPage_) return;
  auto* page = new QWebEnginePage(profile_);
  page->setUrl(QUrl(QStringLiteral("about:blank")));
  warmUpPage_ = page;
}

void EngineProfile::onDownloadRequested(QWebEngineDownloadRequest* download) {
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
