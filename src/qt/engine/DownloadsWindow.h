#pragma once

#include <QWidget>

class QVBoxLayout;
class QWebEngineDownloadRequest;

namespace corvane {

// The downloads of the run, newest first: each with its file name, a progress bar, what became
// of it, and buttons to cancel it, open the file or open its folder. It comes forward when a
// download starts.
class DownloadsWindow : public QWidget {
  Q_OBJECT
 public:
  DownloadsWindow();

  // Shows an accepted download, under way or over.
  void add(QWebEngineDownloadRequest* download);

 private:
  QVBoxLayout* rows_;
};

}  // namespace corvane
