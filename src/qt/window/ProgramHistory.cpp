#include "qt/window/ProgramHistory.h"

#include <QDir>
#include <QFile>

#include "qt/dialogs/QtHistoryWindow.h"
#include "qt/platform/QtHistoryNotices.h"

namespace corvane {

ProgramHistory::ProgramHistory(const QString& dataFolder, QWidget* window)
    : notices_(std::make_unique<QtHistoryNotices>(window)),
      window_(std::make_unique<QtHistoryWindow>(window)) {
  if (dataFolder.isEmpty()) return;
  const QString file = QDir(dataFolder).filePath(QString::fromLatin1(kFileName));
  history_ = std::make_unique<History>(QFile::encodeName(file).toStdString(), clock_, *notices_);
}

ProgramHistory::~ProgramHistory() {
  // The window's commands reach the history.
  window_.reset();
  history_.reset();
}

IHistoryWindowView* ProgramHistory::window() {
  if (!history_) return nullptr;
  return window_.get();
}

}  // namespace corvane
