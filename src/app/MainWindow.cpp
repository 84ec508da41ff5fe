#include "app/MainWindow.h"

#include <utility>

#include "Version.h"
#include "base/Guarded.h"
#include "browser/HostsFile.h"
#include "dialogs/InternetOptions.h"
#include "panes/PageMoves.h"
#include "panes/PaneFocus.h"
#include "panes/PaneSwap.h"

namespace corvane {

namespace {
// In the per-user settings, beside the other options.
const char kOptionsSection[] = "Options";
const char kSideBySideKey[] = "Side by Side";
}  // namespace

MainWindow::MainWindow(IMainWindowView& view, const PaneControls& top, const PaneControls& bottom,
                       const IWindowMetrics& metrics, const MainWindowPlatform& platform,
                       mdlGen& settings, HomePages homes)
    : view_(view),
      platform_(platform),
      settings_(settings),
      homes_(std::move(homes)),
      hostNames_(HostsFile::Read(platform_.hostsFile)),
      // Typed text goes to the control as typed but for words, so "~" is the control's to read.
      addressSearch_({"", platform_.programFolder,
                      [this](const std::string& host) {
                        return hostNames_.count(host) > 0 ||
                               (platform_.history && platform_.history->Index().IsKnownHost(host));
                      },
                      ""},
                     [this] {
                       return InternetOptions::Load(platform_.settingsStore, platform_.appName)
                           .SearchTemplate();
                     }),
      topPane_(makePane(PaneId::Top, top, homes_.StartingAddress1, homes_.StartingAddressOffLine1)),
      bottomPane_(makePane(PaneId::Bottom, bottom, homes_.StartingAddress2,
                           homes_.StartingAddressOffLine2)),
      top_(std::make_unique<PaneController>(*topPane_, addressSearch_, visits())),
      bottom_(std::make_unique<PaneController>(*bottomPane_, addressSearch_, visits())),
      layout_(metrics),
      browsersMenu_(layout_, menus_,
                    {[this] { SwapPanes(); }, [this](bool on) { scrollSync_.SetEnabled(on); },
                     [this] { FocusOtherPane(); }, [this](bool on) { SetSideBySide(on); }}),
      topCommands_(*top_, settings_, platform_.fileDialog, kSiteBase,
                   [this] { favorites_.mnuOptionsFav_Click(); }),
      bottomCommands_(*bottom_, settings_, platform_.fileDialog, kSiteBase,
                      [this] { favorites_.mnuOptionsFav_Click(); }),
      fileMenu_(menus_, topCommands_, bottomCommands_, [this] { view_.Close(); }),
      viewMenu_(menus_, *topPane_, *bottomPane_, top.reader, bottom.reader),
      editMenu_(menus_, topPane_->brwWebBrowser, bottomPane_->brwWebBrowser, layout_.model(),
                platform_.sendKeys),
      navigationMenu_(menus_, topCommands_, bottomCommands_),
      chatMenu_(menus_, topCommands_, bottomCommands_),
      favorites_(menus_, layout_, *top_, *bottom_, platform_.favorites, platform_.messageBox,
                 [this] { Form_Resize(); }),
      favoritesFolder_(platform_.favorites.favoritesFolder),
      favoritesTransfer_(favoritesFolder_, platform_.fileDialog, platform_.messageBox,
                         [this] { favorites_.ShowNewFavorites(); }),
      favoritesMenu_(
          menus_, favorites_, favoritesTransfer_, [this] { OpenHomePagesDialog(); },
          [this] { OpenHistoryWindow(); }),
      homePagesDialog_(platform_.homePagesWindow, settings_, platform_.fileDialog),
      load_(*this, homes_),
      toolsMenu_(menus_, platform_.messageBox, platform_.shell, platform_.windows,
                 load_.SystemFolder(), platform_.appName),
      helpMenu_(menus_, layout_, *top_, platform_.settingsStore, platform_.windows,
                platform_.messageBox, platform_.appName, platform_.programFolder),
      aboutBox_(layout_, *top_, std::string(kSiteBase) + "/") {
  // The arrangement the user chose last time; the load lays the window out in it.
  bool sideBySide = false;
  guarded([&] {
    sideBySide = platform_.settingsStore.GetSetting(platform_.appName, kOptionsSection,
                                                    kSideBySideKey, "0") == "1";
  });
  if (sideBySide) {
    menus_.SetChecked(BrowsersMenu::kSideBySide, true);
    layout_.SetSideBySide(true);
  }
  if (platform_.history && platform_.historyWindow) {
    historyWindow_ = std::make_unique<HistoryWindow>(*platform_.history, platform_.history->clock(),
                                                     *top_, *bottom_);
  }
  if (platform_.history) {
    suggester_ = std::make_unique<AddressSuggester>(addressSearch_, *platform_.history,
                                                    favorites_.suggested());
    topSuggestions_ = makeSuggestions(PaneId::Top, top.suggestions);
    bottomSuggestions_ = makeSuggestions(PaneId::Bottom, bottom.suggestions);
  }
}

std::unique_ptr<AddressSuggestions> MainWindow::makeSuggestions(PaneId id, ISuggestionList* list) {
  if (!list) return nullptr;
  const PaneId other = id == PaneId::Top ? PaneId::Bottom : PaneId::Top;
  return std::make_unique<AddressSuggestions>(pane(id).pane(), pane(id).navigation(), *list,
                                              *suggester_, pane(other).pane().brwWebBrowser,
                                              *platform_.history);
}

void MainWindow::SetSideBySide(bool on) {
  layout_.SetSideBySide(on);
  Form_Resize();
  guarded([&] {
    platform_.settingsStore.SaveSetting(platform_.appName, kOptionsSection, kSideBySideKey,
                                        on ? "1" : "0");
  });
}

MainWindow::~MainWindow() {
  // The History window works on this logic: it goes first.
  if (platform_.historyWindow) guarded([&] { platform_.historyWindow->Close(); });
}

IVisitRecorder& MainWindow::visits() {
  if (platform_.history) return *platform_.history;
  return noHistory_;
}

std::unique_ptr<Pane> MainWindow::makePane(PaneId id, const PaneControls& c,
                                           const std::string& online, const std::string& offline) {
  auto pane =
      std::make_unique<Pane>(id, c.browser, c.address, c.status, c.progress, c.timer, c.toolbar);
  pane->StartingAddress = online;
  pane->StartingAddressOffLine = offline;
  return pane;
}

void MainWindow::Form_Load() {
  load_.Form_Load();
  // Once the window shows and its pages are on their way.
  if (suggester_) favorites_.ReadSuggestedFavorites();
}

void MainWindow::Form_Resize() {
  if (!laidOut_) return;
  layout_.Form_Resize();
}

void MainWindow::Form_Unload() {
  guarded([&] { platform_.windows.CloseTipWindow(); });
  guarded([&] { platform_.windows.CloseAboutBox(); });
  // Corvane's own options dialog belongs to this window, as the settings it edits do.
  guarded([&] { platform_.windows.CloseInternetOptions(); });
  if (platform_.historyWindow) guarded([&] { platform_.historyWindow->Close(); });
}

void MainWindow::cboAddress_Click(PaneId id) { pane(id).navigation().cboAddress_Click(); }

void MainWindow::OpenHomePagesDialog() { homePagesDialog_.OpenHomePagesDialog(); }

void MainWindow::OpenHistoryWindow() {
  if (!historyWindow_) return;
  historyWindow_->Load(focusedPane_.value_or(PaneId::Top));
  platform_.historyWindow->Show(*historyWindow_);
}

void MainWindow::mnu_Click(const std::string& menuName, int index) {
  menus_.Click(menuName, index);
}

void MainWindow::MakeToolbarsFlat() {
  for (PaneId id : {PaneId::Top, PaneId::Bottom}) {
    IToolbar& toolbar = pane(id).pane().tbToolBar;
    guarded([&] { toolbar.ToggleFlat(); });
    guarded([&] { toolbar.Refresh(); });
  }
}

void MainWindow::ReadSystemFolders(std::string& systemFolder) {
  toolsMenu_.ReadSystemFolders(systemFolder);
}

void MainWindow::InitLayout() {
  layout_.InitLayout();
  laidOut_ = true;
  view_.ShowLayout(layout_);
}

void MainWindow::DisableBackForward(PaneId id) { pane(id).toolbar().DisableBackForward(); }

void MainWindow::Show() {
  view_.Show();
  // The first resize pass comes with the first showing, whatever the platform reports.
  layout_.Form_Resize();
  view_.ShowLayout(layout_);
  view_.ShowMenus(menus_);
}

void MainWindow::RepaintToolbar(PaneId id) { pane(id).pane().tbToolBar.Refresh(); }

IAddressBox& MainWindow::cboAddress(PaneId id) { return pane(id).pane().cboAddress; }

void MainWindow::LoadTipWindow() { platform_.windows.ShowTipWindow(); }

void MainWindow::OpenInPane(PaneId id, const std::string& address) {
  pane(id).pane().cboAddress.SetText(address);
  pane(id).navigation().cboAddress_Click();
}

void MainWindow::OpenReaderLink(PaneId id, const std::string& address) {
  OpenInPane(LinkTarget(id).value_or(id), address);
}

void MainWindow::SwapPanes() {
  view_.SwapPages();
  SwapPaneState(*top_, *bottom_);
  scrollSync_.Forget();
}

void MainWindow::FocusOtherPane() {
  const LayoutModel& model = layout_.model();
  const std::optional<PaneId> target =
      OtherPaneTarget(focusedPane_, model.visible(ControlId::brwWebBrowser1),
                      model.visible(ControlId::brwWebBrowser2));
  if (target) guarded([&] { pane(*target).pane().brwWebBrowser.SetFocus(); });
}

void MainWindow::FocusShownPane() {
  const LayoutModel& model = layout_.model();
  const std::optional<PaneId> target =
      FocusAfterViewMode(focusedPane_, model.visible(ControlId::brwWebBrowser1),
                         model.visible(ControlId::brwWebBrowser2));
  if (target) guarded([&] { pane(*target).pane().brwWebBrowser.SetFocus(); });
}

bool MainWindow::paneShown(PaneId id) const {
  return layout_.model().visible(id == PaneId::Top ? ControlId::brwWebBrowser1
                                                   : ControlId::brwWebBrowser2);
}

std::optional<PaneId> MainWindow::LinkTarget(PaneId id) const {
  if (!browsersMenu_.FollowsLinks(id)) return std::nullopt;
  const PaneId other = id == PaneId::Top ? PaneId::Bottom : PaneId::Top;
  // A link sent to a hidden pane would seem to go nowhere.
  if (!paneShown(other)) return std::nullopt;
  return other;
}

PaneId MainWindow::LinkedPageTarget(PaneId id) const {
  const PaneId other = id == PaneId::Top ? PaneId::Bottom : PaneId::Top;
  return PaneForLinkedPage(id, browsersMenu_.FollowsLinks(id), paneShown(other));
}

void MainWindow::lblURL_Click() { aboutBox_.lblURL_Click(); }

}  // namespace corvane
