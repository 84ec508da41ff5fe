#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "app/HomePages.h"
#include "app/IMainWindowLoadSteps.h"
#include "app/IMainWindowView.h"
#include "app/MainWindowLoad.h"
#include "base/mdlGen.h"
#include "browser/AddressSearch.h"
#include "dialogs/AboutBox.h"
#include "dialogs/HistoryWindow.h"
#include "dialogs/HomePagesDialog.h"
#include "dialogs/IHistoryWindowView.h"
#include "favorites/FavoritesCommands.h"
#include "favorites/FavoritesMenu.h"
#include "favorites/FavoritesPlatform.h"
#include "favorites/FavoritesTransfer.h"
#include "history/History.h"
#include "history/NoHistory.h"
#include "layout/Layout.h"
#include "menus/BrowsersMenu.h"
#include "menus/ChatMenu.h"
#include "menus/EditMenu.h"
#include "menus/FileMenu.h"
#include "menus/HelpMenu.h"
#include "menus/MenuBar.h"
#include "menus/NavigationMenu.h"
#include "menus/ToolsMenu.h"
#include "menus/ViewMenu.h"
#include "panes/AddressSuggester.h"
#include "panes/AddressSuggestions.h"
#include "panes/Pane.h"
#include "panes/PaneCommands.h"
#include "panes/PaneController.h"
#include "panes/ScrollSync.h"
#include "platform/IFileDialog.h"
#include "platform/IHomePagesWindow.h"
#include "platform/IMessageBox.h"
#include "platform/IReaderView.h"
#include "platform/ISecondaryWindows.h"
#include "platform/ISendKeys.h"
#include "platform/ISettingsStore.h"
#include "platform/IShellFolders.h"
#include "platform/ISuggestionList.h"
#include "platform/IWindowMetrics.h"

namespace corvane {

// The controls of one pane, which the window owns and the logic drives.
struct PaneControls {
  IBrowserControl& browser;
  IAddressBox& address;
  IStatusLine& status;
  IProgressBar& progress;
  ITimer& timer;
  IToolbar& toolbar;
  IReaderView& reader;
  // The list below the address box as the user types; none, none suggested.
  ISuggestionList* suggestions = nullptr;
};

// What the main window's logic reaches of the platform besides the panes' controls.
struct MainWindowPlatform {
  IMessageBox& messageBox;
  IFileDialog& fileDialog;
  ISendKeys& sendKeys;
  ISettingsStore& settingsStore;
  // The folder of the program and its shipped files, without a trailing separator.
  std::string programFolder;
  ISecondaryWindows& windows;
  IShellFolders& shell;
  // The running program's file name, which also names its per-user settings.
  std::string appName;
  FavoritesPlatform favorites;
  IHomePagesWindow& homePagesWindow;
  // The system's hosts file: its names are hosts, which the address boxes open, not search for.
  std::string hostsFile = "/etc/hosts";
  // The pages shown in either pane, and the hosts visited before, which the address boxes open
  // rather than search for; none while no history is kept.
  History* history = nullptr;
  // The History window on the screen; with a history only.
  IHistoryWindowView* historyWindow = nullptr;
};

// The main window's logic: both panes, the layout, the menus and the settings file, and the
// window's named handlers. The window forwards its controls' events here and shows the state
// that results; no rule of the program lives in the window itself.
class MainWindow : private IMainWindowLoadSteps {
 public:
  MainWindow(IMainWindowView& view, const PaneControls& top, const PaneControls& bottom,
             const IWindowMetrics& metrics, const MainWindowPlatform& platform, mdlGen& settings,
             HomePages homes);
  ~MainWindow() override;
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // The load sequence: flat toolbars, layout, Back and Forward off, show, home pages, tips.
  void Form_Load();
  // The window's client area changed size; nothing happens before the load has laid it out.
  void Form_Resize();
  // The window is closing: the tip window, the about box, the options dialog and the History
  // window close with it. Nothing is saved.
  void Form_Unload();

  // The panes side by side or top and bottom, laid out at once and remembered for the next run
  // in the per-user settings.
  void SetSideBySide(bool on);

  // The navigation entry of a pane, as a pick from its address list runs it.
  void cboAddress_Click(PaneId pane) override;
  // Opens the home pages dialog, or brings it forward when it is open.
  void OpenHomePagesDialog();
  // Opens the History window, or brings it forward listing the history anew; Enter and a
  // double-click there open pages in the pane that has the focus now. Nothing without history.
  void OpenHistoryWindow();

  PaneController& pane(PaneId id) { return id == PaneId::Top ? *top_ : *bottom_; }
  PaneCommands& commands(PaneId id) { return id == PaneId::Top ? topCommands_ : bottomCommands_; }
  // What the pane's address box suggests as the user types; nullptr without a history or a list
  // to show it in.
  AddressSuggestions* suggestions(PaneId id) {
    return (id == PaneId::Top ? topSuggestions_ : bottomSuggestions_).get();
  }
  // The parts the window's controls are bound to: the option buttons and splitter bars drive the
  // layout, the favorites pane's buttons and tree its commands.
  Layout& layout() { return layout_; }
  const Layout& layout() const { return layout_; }
  const MenuBar& menus() const { return menus_; }
  FavoritesCommands& favorites() { return favorites_; }
  const FavoritesCommands& favorites() const { return favorites_; }
  // Runs the item's handler, as the user's choice of a menu item does.
  void mnu_Click(const std::string& menuName, int index);
  const HomePages& homePages() const { return homes_; }
  mdlGen& settings() { return settings_; }
  // 512 NULs until the load has read the system folders into it.
  const std::string& SystemFolder() const { return load_.SystemFolder(); }
  const std::string& WindowsFolder() const { return toolsMenu_.WindowsFolder(); }

  // Opens an address in a pane as if the user had typed it into its box and picked it.
  void OpenInPane(PaneId pane, const std::string& address);
  // A link followed in the reader view of pane's page: it opens like a link clicked in the page,
  // in the other pane while the pane's links go there, else in pane through its address box.
  void OpenReaderLink(PaneId pane, const std::string& address);
  // The reader view was asked for on the page of pane `id`, which has no article it can show.
  void ReaderNotAvailable(PaneId id) { pane(id).pane().Label.ReaderNotAvailable(); }

  // The panes change places, pages, histories, address boxes and all ("Swap Panes").
  void SwapPanes();
  // The keyboard focus has moved into a pane's page, address box or toolbar, or out of both.
  void PaneFocused(std::optional<PaneId> pane) { focusedPane_ = pane; }
  // The focus has come into a pane's page from elsewhere (a click, Tab, Shift+F6).
  void PageFocused(PaneId id) { pane(id).navigation().PageFocused(); }
  // The focus goes to the other pane's page ("Go to Other Pane").
  void FocusOtherPane();
  // Before a changed view mode is shown: a pane about to be hidden gives the focus to the page
  // of the pane that shows, so no key goes to a page nobody sees.
  void FocusShownPane();
  // A pane's page has scrolled: where the other pane's page is to scroll, if it is to.
  std::optional<double> PageScrolled(PaneId pane, ScrollExtent page, ScrollExtent other) {
    return scrollSync_.Scrolled(pane, page, other);
  }
  bool ScrollingSynchronized() const { return scrollSync_.Enabled(); }

  // A link the user clicked in pane's page: the pane that opens it instead, the other one, while
  // the Browsers menu says so and the other pane is shown; nothing when pane opens it itself.
  std::optional<PaneId> LinkTarget(PaneId pane) const;
  bool FollowsLinks(PaneId pane) const { return browsersMenu_.FollowsLinks(pane); }
  // The pane a new page opened from a link in pane's page goes to (PaneForLinkedPage).
  PaneId LinkedPageTarget(PaneId pane) const;

  // The about box's link: the product's web site in this window's top pane alone.
  void lblURL_Click();

 private:
  // IMainWindowLoadSteps
  void MakeToolbarsFlat() override;
  void ReadSystemFolders(std::string& systemFolder) override;
  void InitLayout() override;
  void DisableBackForward(PaneId pane) override;
  void Show() override;
  void RepaintToolbar(PaneId pane) override;
  IAddressBox& cboAddress(PaneId pane) override;
  void LoadTipWindow() override;

  // Where the panes report the pages they show.
  IVisitRecorder& visits();
  // The view mode shows the pane.
  bool paneShown(PaneId pane) const;
  static std::unique_ptr<Pane> makePane(PaneId id, const PaneControls& controls,
                                        const std::string& online, const std::string& offline);
  std::unique_ptr<AddressSuggestions> makeSuggestions(PaneId id, ISuggestionList* list);

  IMainWindowView& view_;
  MainWindowPlatform platform_;
  mdlGen& settings_;
  HomePages homes_;
  std::set<std::string> hostNames_;
  AddressSearch addressSearch_;
  NoHistory noHistory_;
  std::unique_ptr<Pane> topPane_;
  std::unique_ptr<Pane> bottomPane_;
  std::unique_ptr<PaneController> top_;
  std::unique_ptr<PaneController> bottom_;
  Layout layout_;
  bool laidOut_ = false;
  std::optional<PaneId> focusedPane_;
  ScrollSync scrollSync_;
  MenuBar menus_;
  BrowsersMenu browsersMenu_;
  PaneCommands topCommands_;
  PaneCommands bottomCommands_;
  FileMenu fileMenu_;
  ViewMenu viewMenu_;
  EditMenu editMenu_;
  NavigationMenu navigationMenu_;
  ChatMenu chatMenu_;
  FavoritesCommands favorites_;
  FavoritesFolder favoritesFolder_;
  FavoritesTransfer favoritesTransfer_;
  FavoritesMenu favoritesMenu_;
  HomePagesDialog homePagesDialog_;
  MainWindowLoad load_;
  // After load_: the Tools menu reads the SystemFolder the load fills.
  ToolsMenu toolsMenu_;
  HelpMenu helpMenu_;
  AboutBox aboutBox_;
  // With a history and a window to show it in.
  std::unique_ptr<HistoryWindow> historyWindow_;
  // With a history: the favorites' suggestions are the favorites commands'.
  std::unique_ptr<AddressSuggester> suggester_;
  std::unique_ptr<AddressSuggestions> topSuggestions_;
  std::unique_ptr<AddressSuggestions> bottomSuggestions_;
};

}  // namespace corvane
