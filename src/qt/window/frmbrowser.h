#pragma once

#include <QMainWindow>

#include <memory>

#include "app/HomePages.h"
#include "app/IMainWindowView.h"
#include "app/MainWindow.h"
#include "base/mdlGen.h"
#include "qt/pane/PaneWindows.h"
#include "qt/start/ProgramFolders.h"
#include "qt/window/BrowserControls.h"

class QAbstractButton;

namespace corvane {

class AccessiblePageFocus;
class BrowserPage;
class EngineProfile;
class FavoritesWidgets;
class LayoutAdapter;
class MenuAdapter;
class PaneFocusIndicator;
class PaneKeys;
class PaneShortcuts;
class PaneZoom;
class ProgramHistory;
class QtFileDialog;
class QtHomePagesWindow;
class QtMessageBox;
class QtSettingsStore;
class QtSendKeys;
class QtShellFolders;
class SecondaryWindows;
class QtWindowMetrics;
class WindowPages;

// The main window: it owns its controls, one PaneWindow for each pane and the menus, forwards
// their events to the main window's logic and shows the state that results.
class frmbrowser : public QMainWindow, private IMainWindowView {
  Q_OBJECT
 public:
  // Makes the window's widgets, hidden, the panes' browsers with the pages `engine` has for
  // them; the window's logic comes with start(). engine must outlive the window.
  frmbrowser(const ProgramFolders& folders, EngineProfile& engine);
  ~frmbrowser() override;

  // Gives the window its logic, once: the home pages, and settings, the cv.ini they were
  // resolved from, which must outlive the window. Nothing of the window acts before.
  void start(const HomePages& homes, mdlGen& settings);

  // The load sequence: flat toolbars, layout, show, both panes to their offline home pages.
  void Form_Load();

  // The home pages resolved at start-up (after start()).
  const HomePages& homePages() const { return core_->homePages(); }
  // The settings file (cv.ini) the Home commands and the home pages dialog use.
  mdlGen& settings() { return core_->settings(); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  // IMainWindowView
  void Show() override;
  void ShowLayout(const Layout& layout) override;
  void ShowMenus(const MenuBar& menus) override;
  void Close() override;
  void SwapPages() override;

  // What two panes side by side make possible: the focused pane's mark, links dragged across
  // and synchronized scrolling.
  void connectPanes();
  void connectControls();
  // The panes' pages and their tabs, and zoom.
  void connectPages();
  // The browser keys for the focused pane, and F10.
  void connectKeys();
  void connectOption(QAbstractButton* button, void (Layout::*handler)());
  // Runs a handler of the logic, then shows the layout and menus it leaves. A failure is traced
  // with the caller's place.
  template <typename Handler>
  void run(Handler&& handler, const char* file = __builtin_FILE(), int line = __builtin_LINE(),
           const char* function = __builtin_FUNCTION());

  ProgramFolders folders_;
  QWidget* client_;
  BrowserControls c_;
  // Each pane's controls, page and adapters.
  PaneWindows panes_;
  std::unique_ptr<QtWindowMetrics> metrics_;
  std::unique_ptr<QtMessageBox> messageBox_;
  std::unique_ptr<QtFileDialog> fileDialog_;
  QtSendKeys* sendKeys_ = nullptr;
  std::unique_ptr<QtSettingsStore> settingsStore_;
  std::unique_ptr<QtShellFolders> shellFolders_;
  // Before the windows and the logic that use it.
  std::unique_ptr<ProgramHistory> history_;
  // After the settings store it uses, so that its windows go first.
  std::unique_ptr<SecondaryWindows> secondaryWindows_;
  std::unique_ptr<FavoritesWidgets> favorites_;
  std::unique_ptr<QtHomePagesWindow> homePages_;
  std::unique_ptr<MainWindow> core_;
  // Both panes' pages, after the panes' logic they drive.
  std::unique_ptr<WindowPages> pages_;
  std::unique_ptr<LayoutAdapter> layoutAdapter_;
  MenuAdapter* menuAdapter_ = nullptr;
  // What watches both panes goes before them.
  std::unique_ptr<PaneFocusIndicator> focusIndicator_;
  std::unique_ptr<AccessiblePageFocus> pageFocus_;
  std::unique_ptr<PaneZoom> zoom_;
  std::unique_ptr<PaneKeys> paneKeys_;
  std::unique_ptr<PaneShortcuts> paneShortcuts_;
  // The option button whose toggle has just run its handler; its click that follows must not.
  QAbstractButton* justToggled_ = nullptr;
};

}  // namespace corvane
