#pragma once

#include <QMainWindow>

#include <memory>

#include "app/HomePages.h"
#include "app/IMainWindowLoadSteps.h"
#include "app/MainWindowLoad.h"
#include "app/mdlGen.h"
#include "panes/Pane.h"
#include "qt/BrowserControls.h"
#include "qt/ProgramFolders.h"

class QWebEngineProfile;

namespace corvane {

class Layout;
class LayoutAdapter;
class PaneNavigation;
class QtAddressBox;
class QtProgressBar;
class QtStatusLine;
class QtTimer;
class QtWindowMetrics;
class WebEngineBrowserControl;

// The main window: two browser panes, their toolbars, address strips and status rows, the
// view-mode buttons and menus. It owns the widgets and forwards their events to the logic.
class frmbrowser : public QMainWindow, private IMainWindowLoadSteps {
  Q_OBJECT
 public:
  // settings, when given, is the start-up's settings object; it outlives the window.
  frmbrowser(const ProgramFolders& folders, QWebEngineProfile* profile, const HomePages& homes,
             mdlGen* settings = nullptr);
  ~frmbrowser() override;

  // The load sequence: flat toolbars, layout, show, both panes to their offline home pages.
  void Form_Load();

  // The home pages resolved at start-up.
  const HomePages& homePages() const { return homes_; }
  // The settings (cv.ini) for the Home commands and the home pages dialog; null when not given.
  mdlGen* settings() const { return settings_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // IMainWindowLoadSteps
  void MakeToolbarsFlat() override;
  void ReadSystemFolders(std::string& systemFolder) override;
  void InitLayout() override;
  void DisableBackForward(PaneId pane) override;
  void Show() override;
  void RepaintToolbar(PaneId pane) override;
  IAddressBox& cboAddress(PaneId pane) override;
  void cboAddress_Click(PaneId pane) override;
  void LoadTipWindow() override;

  void createPanes(QWebEngineProfile* profile);
  void createMenus();
  void connectLayoutControls();
  // Runs a layout handler, then shows its result on the widgets.
  template <typename Handler>
  void layoutAction(Handler&& handler);
  void Form_Unload();

  ProgramFolders folders_;
  HomePages homes_;
  mdlGen* settings_;
  QWidget* client_;
  BrowserControls c_;
  QtAddressBox* address1_ = nullptr;
  QtAddressBox* address2_ = nullptr;
  std::unique_ptr<QtStatusLine> status1_;
  std::unique_ptr<QtStatusLine> status2_;
  std::unique_ptr<QtProgressBar> progress1_;
  std::unique_ptr<QtProgressBar> progress2_;
  QtTimer* timTimer1_ = nullptr;
  QtTimer* timTimer2_ = nullptr;
  WebEngineBrowserControl* brw1_ = nullptr;
  WebEngineBrowserControl* brw2_ = nullptr;
  std::unique_ptr<Pane> pane1_;
  std::unique_ptr<Pane> pane2_;
  std::unique_ptr<PaneNavigation> nav1_;
  std::unique_ptr<PaneNavigation> nav2_;
  std::unique_ptr<QtWindowMetrics> metrics_;
  std::unique_ptr<Layout> layout_;
  std::unique_ptr<LayoutAdapter> layoutAdapter_;
  bool layoutReady_ = false;
  MainWindowLoad load_;
};

}  // namespace corvane
