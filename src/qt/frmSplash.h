#pragma once

#include <QTimer>
#include <QWidget>

#include <memory>

#include "app/IMainWindowOpener.h"
#include "app/ISplashWindow.h"
#include "app/StartUp.h"
#include "qt/ProgramFolders.h"

class QLabel;

namespace corvane {

class EngineProfile;
class frmbrowser;

// The first window: logo, version, web site, contact and legal notice, for two seconds from its
// first drawing. Its timer hands over to the main window (StartUp), which it creates and holds.
class frmSplash : public QWidget, private ISplashWindow, private IMainWindowOpener {
  Q_OBJECT
 public:
  explicit frmSplash(const ProgramFolders& folders);
  ~frmSplash() override;

  // Closes the splash, resolves the home pages from cv.ini, then loads the main window.
  void StartMainWindow();

  frmbrowser* mainWindow() const { return frmbrowser_.get(); }

 Q_SIGNALS:
  // The main window has run its load sequence.
  void mainWindowLoaded();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // ISplashWindow
  void CloseSplash() override;
  void EndProgram(int status, const std::string& message) override;
  // IMainWindowOpener
  void CreateMainWindow(const HomePages& homes, mdlGen& settings) override;
  void LoadMainWindow() override;
  bool MainWindowIsOpen() const override;

  void Form_Load();
  void buildContent();
  // Makes the main window's widgets, hidden, while the splash shows.
  void prepareMainWindow();

  ProgramFolders folders_;
  // Declared before the main window: pages must go before the profile they use, and the main
  // window before the settings that StartUp holds for it.
  std::unique_ptr<EngineProfile> engine_;
  StartUp startUp_;
  // Made while the splash shows; it becomes the main window at the hand-over.
  std::unique_ptr<frmbrowser> preparedWindow_;
  std::unique_ptr<frmbrowser> frmbrowser_;
  QLabel* lblVersion_ = nullptr;
  QTimer TimerSplash_;
  // Started on the first drawing, once; never after the splash has closed.
  bool timerStarted_ = false;
};

}  // namespace corvane
