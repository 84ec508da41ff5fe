#pragma once

#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>

#include "qt/start/ProgramFolders.h"
#include "qt/start/frmSplash.h"

class QComboBox;
class QLabel;
class QWebEngineView;
class QWidget;

namespace corvane {
class frmbrowser;
}

// A Corvane in a temp program folder holding the shipped files, with its user folders inside
// the same temp folder, so that a test never touches the real user's files.
class TestProgram {
 public:
  TestProgram();
  ~TestProgram();

  QString filePath(const QString& name) const;

  // Creates the splash; StartMainWindow() then runs without waiting for its timer.
  corvane::frmSplash* splash();
  corvane::frmbrowser* startMainWindow();

  // A pane's controls in the main window, by the pane's number (1 top, 2 bottom).
  static QComboBox* box(const QWidget* window, int n);
  static QLabel* status(const QWidget* window, int n);
  // The view of the page the pane shows.
  static QWebEngineView* view(const QWidget* window, int n);

  // Runs the event loop until the condition holds or the time is up; returns the condition.
  static bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 10000);
  // Waits until the pane's status line shows a page title and its box holds the address.
  static bool waitForPage(QLabel* status, QComboBox* box, const QString& address,
                          int timeoutMs = 20000);
  // Waits until both panes show their offline home pages, so that they race no later load.
  bool waitForHomePages(const QWidget* window) const;

 private:
  QTemporaryDir dir_;
  corvane::ProgramFolders folders_;
  std::unique_ptr<corvane::frmSplash> splash_;
};
