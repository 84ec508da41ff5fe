#pragma once

#include <QFileDialog>

namespace corvane {

// The "Save Download" window: where a download goes, proposing `path`. It holds up nothing
// else, neither pane nor the main window's close box; when its `owner` window closes it goes
// too, answering Cancel.
class DownloadSaveDialog : public QFileDialog {
  Q_OBJECT
 public:
  DownloadSaveDialog(QWidget* owner, const QString& path);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* owner_;
};

}  // namespace corvane
