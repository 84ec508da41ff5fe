#pragma once

#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

#include "app/IMainWindowOpener.h"
#include "app/ISplashWindow.h"
#include "app/StartUp.h"
#include "qt/start/IMainWindowHost.h"
#include "qt/start/ProgramFolders.h"

class QLabel;

namespace corvane {

// The first window: logo, version, web site, contact and legal notice, for two seconds from its
// first drawing. Its timer hands over to the main window (StartUp), which it creates and holds.
// It needs nothing of the web engine: that comes, with the main window, from the host it makes
// once it is on the screen.
class frmSplash : public QWidget, private ISplashWindow, private IMainWindowOpener {
  Q_OBJECT
 public:
  // Makes the engine's side; throws when it can't (its message says why).
  using HostMaker = std::function<std::unique_ptr<IMainWindowHost>()>;

  frmSplash(const ProgramFolders& folders, HostMaker makeHost);
  ~frmSplash() override;

  // Closes the splash, resolves the home pages from cv.ini, then loads the main window.
  void StartMainWindow();

  frmbrowser* mainWindow() const { return host_ ? host_->mainWindow() : nullptr; }

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
  // The engine's side, made on first use.
  IMainWindowHost& host();
  // Once the splash is on the screen: the engine starts, then the main window's widgets are
  // made, hidden, while it shows.
  void startEngine();
  void prepareMainWindow();

  ProgramFolders folders_;
  HostMaker makeHost_;
  // Declared before the host: the main window goes before the settings StartUp holds for it.
  StartUp startUp_;
  std::unique_ptr<IMainWindowHost> host_;
  QLabel* lblVersion_ = nullptr;
  QTimer TimerSplash_;
  // Started on the first drawing, once; never after the splash has closed.
  bool timerStarted_ = false;
};

}  // namespace corvane
