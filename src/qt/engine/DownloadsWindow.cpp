#include "qt/engine/DownloadsWindow.h"

#include <QIcon>
#include <QScrollArea>
#include <QVBoxLayout>

#include "qt/engine/DownloadRow.h"
#include "qt/platform/AccessibleWindows.h"
#include "qt/platform/OnScreen.h"

namespace corvane {

namespace {
constexpr int kWidth = 460;
constexpr int kHeight = 320;
}  // namespace

DownloadsWindow::DownloadsWindow() : rows_(new QVBoxLayout) {
  setObjectName(QStringLiteral("DownloadsWindow"));
  setWindowTitle(tr("Downloads"));
  setWindowIcon(QIcon(QStringLiteral(":/corvane.svg")));
  // The program ends with its main window, whether this one is open or not.
  setAttribute(Qt::WA_QuitOnClose, false);
  auto* list = new QWidget;
  list->setAccessibleName(tr("Downloads list"));
  rows_->addStretch(1);
  list->setLayout(rows_);
  auto* scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  scroll->setWidget(list);
  scroll->setAccessibleName(tr("Downloads"));
  nameScrollParts(scroll);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);
  resize(kWidth, kHeight);
}

void DownloadsWindow::add(QWebEngineDownloadRequest* download) {
  rows_->insertWidget(0, new DownloadRow(download, this));
  show();
  keepOnScreen(this);
  raise();
}

}  // namespace corvane
