#pragma once

#include <QFrame>

class QLabel;
class QProgressBar;
class QPushButton;
class QWebEngineDownloadRequest;

namespace corvane {

// One download in the downloads window: its file name, progress, what became of it, and
// Cancel while it runs, Open and Open Folder once it is done.
class DownloadRow : public QFrame {
  Q_OBJECT
 public:
  DownloadRow(QWebEngineDownloadRequest* download, QWidget* parent);

 private:
  void update();

  QWebEngineDownloadRequest* download_;
  QLabel* name_;
  QProgressBar* progress_;
  QLabel* status_;
  QPushButton* cancel_;
  QPushButton* open_;
  QPushButton* openFolder_;
};

}  // namespace corvane
