#include "qt/engine/DownloadSaveDialog.h"

#include <QEvent>

namespace corvane {

DownloadSaveDialog::DownloadSaveDialog(QWidget* owner, const QString& path)
    : QFileDialog(owner, tr("Save Download")), owner_(owner) {
  setObjectName(QStringLiteral("DownloadSaveDialog"));
  setAttribute(Qt::WA_DeleteOnClose);
  setAcceptMode(QFileDialog::AcceptSave);
  setFileMode(QFileDialog::AnyFile);
  // Modal to nothing: a page's download never takes the program from the user.
  setWindowModality(Qt::NonModal);
  selectFile(path);
  if (owner_) owner_->installEventFilter(this);
}

bool DownloadSaveDialog::eventFilter(QObject* watched, QEvent* event) {
  // The close of the window it belongs to is not held up; the question goes with it.
  if (watched == owner_ && event->type() == QEvent::Close && isVisible()) reject();
  return QFileDialog::eventFilter(watched, event);
}

}  // namespace corvane
