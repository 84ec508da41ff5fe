#include "qt/engine/DownloadRow.h"

#include <QDesktopServices>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>
#include <QWebEngineDownloadRequest>

#include "browser/DownloadStatus.h"

namespace corvane {

namespace {

DownloadStatus::State stateOf(const QWebEngineDownloadRequest* download) {
  switch (download->state()) {
    case QWebEngineDownloadRequest::DownloadCompleted:
      return DownloadStatus::State::Done;
    case QWebEngineDownloadRequest::DownloadCancelled:
      return DownloadStatus::State::Cancelled;
    case QWebEngineDownloadRequest::DownloadInterrupted:
      return DownloadStatus::State::Failed;
    default:
      return DownloadStatus::State::InProgress;
  }
}

QPushButton* makeButton(QWidget* parent, const QString& text, const QString& name) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

DownloadRow::DownloadRow(QWebEngineDownloadRequest* download, QWidget* parent)
    : QFrame(parent),
      download_(download),
      name_(new QLabel(download->downloadFileName(), this)),
      progress_(new QProgressBar(this)),
      status_(new QLabel(this)),
      cancel_(makeButton(this, tr("Cancel"), QStringLiteral("downloadCancel"))),
      open_(makeButton(this, tr("Open"), QStringLiteral("downloadOpen"))),
      openFolder_(makeButton(this, tr("Open Folder"), QStringLiteral("downloadOpenFolder"))) {
  setObjectName(QStringLiteral("download"));
  setFrameShape(QFrame::StyledPanel);
  setAccessibleName(download->downloadFileName());
  name_->setObjectName(QStringLiteral("downloadName"));
  name_->setTextFormat(Qt::PlainText);
  QFont bold = name_->font();
  bold.setBold(true);
  name_->setFont(bold);
  progress_->setObjectName(QStringLiteral("downloadProgress"));
  progress_->setAccessibleName(tr("Download progress"));
  status_->setObjectName(QStringLiteral("downloadStatus"));
  status_->setAccessibleName(tr("Download status"));
  status_->setTextFormat(Qt::PlainText);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  cancel_->setAccessibleName(tr("Cancel download"));
  open_->setAccessibleName(tr("Open downloaded file"));
  openFolder_->setAccessibleName(tr("Open download folder"));

  auto* grid = new QGridLayout(this);
  grid->addWidget(name_, 0, 0, 1, 3);
  grid->addWidget(progress_, 1, 0, 1, 3);
  grid->addWidget(status_, 2, 0, 1, 3);
  grid->addWidget(cancel_, 3, 0);
  grid->addWidget(open_, 3, 1);
  grid->addWidget(openFolder_, 3, 2);

  connect(cancel_, &QPushButton::clicked, download_, &QWebEngineDownloadRequest::cancel);
  connect(open_, &QPushButton::clicked, this, [this] {
    QDesktopServices::openUrl(QUrl::fromLocalFile(
        QDir(download_->downloadDirectory()).filePath(download_->downloadFileName())));
  });
  connect(openFolder_, &QPushButton::clicked, this, [this] {
    QDesktopServices::openUrl(QUrl::fromLocalFile(download_->downloadDirectory()));
  });
  connect(download_, &QWebEngineDownloadRequest::receivedBytesChanged, this, &DownloadRow::update);
  connect(download_, &QWebEngineDownloadRequest::totalBytesChanged, this, &DownloadRow::update);
  connect(download_, &QWebEngineDownloadRequest::stateChanged, this, &DownloadRow::update);
  update();
}

void DownloadRow::update() {
  const DownloadStatus::State state = stateOf(download_);
  const qint64 received = download_->receivedBytes();
  const qint64 total = download_->totalBytes();
  const bool running = state == DownloadStatus::State::InProgress;
  const bool done = state == DownloadStatus::State::Done;
  if (total > 0) {
    progress_->setRange(0, 100);
    progress_->setValue(int(received * 100 / total));
  } else {
    progress_->setRange(0, running ? 0 : 100);  // busy while the size is unknown
    progress_->setValue(done ? 100 : 0);
  }
  if (done) progress_->setValue(100);
  status_->setText(QString::fromStdString(
      DownloadStatus::text(state, received, total,
                           QDir::toNativeSeparators(download_->downloadDirectory()).toStdString(),
                           download_->interruptReasonString().toStdString())));
  cancel_->setVisible(running);
  open_->setVisible(done);
  openFolder_->setVisible(done);
}

}  // namespace corvane
