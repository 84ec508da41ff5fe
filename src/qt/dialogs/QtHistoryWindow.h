#pragma once

#include <QPointer>

#include "dialogs/IHistoryWindowView.h"

class QWidget;

namespace corvane {

class HistoryWindowDialog;

// IHistoryWindowView over the History window: made when first shown, above the main window,
// and forgotten when it closes; shown again, an open one comes forward.
class QtHistoryWindow : public IHistoryWindowView {
 public:
  // mainWindow: the window it stays above; must outlive this.
  explicit QtHistoryWindow(QWidget* mainWindow) : mainWindow_(mainWindow) {}
  ~QtHistoryWindow() override;
  QtHistoryWindow(const QtHistoryWindow&) = delete;
  QtHistoryWindow& operator=(const QtHistoryWindow&) = delete;

  void Show(HistoryWindow& window) override;
  void Close() override;

 private:
  QWidget* mainWindow_;
  QPointer<HistoryWindowDialog> dialog_;
};

}  // namespace corvane
