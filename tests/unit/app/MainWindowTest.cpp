#include "app/MainWindow.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "FakeAddFavoriteDialog.h"
#include "FakeAddressBox.h"
#include "FakeBrowserControl.h"
#include "FakeClock.h"
#include "FakeFileDialog.h"
#include "FakeHistoryWindowView.h"
#include "FakeHomePagesWindow.h"
#include "FakeMessageBox.h"
#include "FakeProgressBar.h"
#include "FakeReaderView.h"
#include "FakeSettingsStore.h"
#include "FakeShellFolders.h"
#include "FakeStatusLine.h"
#include "FakeSuggestionList.h"
#include "FakeTimer.h"
#include "FakeToolbar.h"
#include "FakeWindowMetrics.h"
#include "RecordingFakes.h"
#include "RecordingHistoryNotices.h"
#include "TempDir.h"
#include "app/MainWindowLoad.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

const HomePages kHomes = {"http://t.example/", "http://t.example/news.html", "/opt/cv/cv.html",
                          "/opt/cv/CVguide.html"};

// The window as the logic sees it: what it was asked to show, in order.
class RecordingView : public IMainWindowView {
 public:
  Strings calls;
  ViewMode shownMode = ViewMode::Both;

  void Show() override { calls.push_back("Show"); }
  void ShowLayout(const Layout& layout) override {
    calls.push_back("ShowLayout");
    shownMode = layout.viewMode();
  }
  void ShowMenus(const MenuBar&) override { calls.push_back("ShowMenus"); }
  void Close() override { calls.push_back("Close"); }
  void SwapPages() override { calls.push_back("SwapPages"); }
};

struct Controls {
  FakeBrowserControl browser;
  FakeAddressBox box;
  FakeStatusLine label;
  FakeProgressBar bar;
  FakeTimer timer{5};
  FakeToolbar toolbar;
  FakeReaderView reader;
  FakeSuggestionList list{box};
  PaneControls controls() { return {browser, box, label, bar, timer, toolbar, reader, &list}; }
};

struct Rig {
  // sideBySide: what the user chose in the last run; history and its window: none by default.
  explicit Rig(bool sideBySide = false, History* history = nullptr,
               IHistoryWindowView* historyWindow = nullptr)
      : seeded(sideBySide && (store.SaveSetting("corvane", "Options", "Side by Side", "1"), true)),
        settings(dir.path() / "cv.ini"),
        window(view, top.controls(), bottom.controls(), metrics,
               {messageBox,
                fileDialog,
                sendKeys,
                store,
                "/opt/cv",
                windows,
                shell,
                "corvane",
                {tree, pointer, addDialog, organizeDialog, (dir.path() / "Favorites").string()},
                homePagesWindow,
                "/etc/hosts",
                history,
                historyWindow},
               settings, homes) {}

  TempDir dir;
  RecordingView view;
  Controls top, bottom;
  FakeWindowMetrics metrics;
  FakeMessageBox messageBox;
  FakeFileDialog fileDialog;
  FakeSendKeys sendKeys;
  FakeSettingsStore store;
  FakeSecondaryWindows windows;
  FakeShellFolders shell;
  FakeTreeView tree;
  FakeMousePointer pointer;
  FakeAddFavoriteDialog addDialog;
  FakeOrganizeFavoritesDialog organizeDialog;
  FakeHomePagesWindow homePagesWindow;
  bool seeded;
  mdlGen settings;
  HomePages homes = kHomes;
  MainWindow window;
};

// The offline homes opening in their panes, with nothing to go back to, the tip window, and each
// pane's events reaching that pane alone are driven end to end.
TEST(MainWindowTest, LoadLaysOutBeforeShowingAndGivesThePanesTheirHomes) {
  Rig rig;
  rig.window.Form_Load();
  EXPECT_EQ(rig.view.calls, (Strings{"ShowLayout", "Show", "ShowLayout", "ShowMenus"}));
  EXPECT_EQ(rig.window.pane(PaneId::Top).pane().StartingAddressOffLine, "/opt/cv/cv.html");
  EXPECT_EQ(rig.window.pane(PaneId::Bottom).pane().StartingAddress, "http://t.example/news.html");
}

TEST(MainWindowTest, ResizeWaitsForTheLoadToLayTheWindowOut) {
  Rig rig;
  rig.metrics.resize(12000, 9000);
  rig.window.Form_Resize();
  // Still the designed rectangle: nothing is placed before InitLayout has run.
  EXPECT_EQ(rig.window.layout().model().rect(ControlId::brwWebBrowser1).Height, 2400);
  rig.window.Form_Load();
  rig.window.Form_Resize();
  EXPECT_EQ(rig.window.layout().model().rect(ControlId::brwWebBrowser1).Height, 3400);
}

TEST(MainWindowTest, TheAboutLinkLeavesTheCheckMarksAndUnloadClosesEverySecondaryWindow) {
  Rig rig;
  rig.window.Form_Load();
  rig.window.lblURL_Click();
  EXPECT_EQ(rig.window.layout().viewMode(), ViewMode::Top);
  // The view changed without the Browsers menu: its check marks stay.
  EXPECT_TRUE(rig.window.menus().Checked("mnuOptionsBothBrowsers"));

  rig.window.mnu_Click("mnuHelp", 4);
  rig.window.mnu_Click("mnuFile", 11);
  EXPECT_EQ(rig.view.calls.back(), "Close");
  rig.window.Form_Unload();
  EXPECT_EQ(rig.windows.calls(), (Strings{"ShowTipWindow", "ShowAboutBox", "CloseTipWindow",
                                          "CloseAboutBox", "CloseInternetOptions"}));
}

// Swapping the panes, the other pane's key and each pane's item that sends its clicked links to
// the other pane are driven end to end. Here a link never vanishes into a hidden pane.
TEST(MainWindowTest, ClickedLinksGoToTheOtherPaneOnlyWhileItIsShown) {
  Rig rig;
  rig.window.Form_Load();
  using Target = std::optional<PaneId>;
  const auto targets = [&rig] {
    return std::make_pair(rig.window.LinkTarget(PaneId::Top),
                          rig.window.LinkTarget(PaneId::Bottom));
  };
  rig.window.mnu_Click(BrowsersMenu::kName, BrowsersMenu::kFollowTopLinksIndex);
  rig.window.mnu_Click(BrowsersMenu::kName, BrowsersMenu::kFollowBottomLinksIndex);
  EXPECT_EQ(targets(), std::make_pair(Target(PaneId::Bottom), Target(PaneId::Top)));
  rig.window.mnu_Click(BrowsersMenu::kName, 1);  // the top browser alone
  EXPECT_EQ(targets(), std::make_pair(Target(), Target(PaneId::Top)));
  EXPECT_TRUE(rig.window.FollowsLinks(PaneId::Top));
  rig.window.mnu_Click(BrowsersMenu::kName, 0);
  EXPECT_EQ(targets(), std::make_pair(Target(PaneId::Bottom), Target(PaneId::Top)));
}

// A link followed in a reader view goes where a link clicked in its page would, through that
// pane's address box; the View menu's reader items reach their own panes' pages, after the
// Part's items and a separator; a page without an article says so in its own status line.
TEST(MainWindowTest, TheReaderViewsLinksItemsAndNoticeReachTheirPanes) {
  Rig rig;
  rig.window.Form_Load();
  rig.window.mnu_Click(BrowsersMenu::kName, BrowsersMenu::kFollowTopLinksIndex);
  const Strings topBefore = rig.top.browser.navigations();
  rig.window.OpenReaderLink(PaneId::Top, "http://t.example/linked.html");
  EXPECT_EQ(rig.bottom.browser.navigations().back(), "http://t.example/linked.html");
  rig.window.OpenReaderLink(PaneId::Bottom, "http://t.example/own.html");
  EXPECT_EQ(rig.bottom.browser.navigations().back(), "http://t.example/own.html");
  EXPECT_EQ(rig.bottom.box.Text(), "http://t.example/own.html");
  EXPECT_EQ(rig.top.browser.navigations(), topBefore);

  const Menu& view = rig.window.menus().menus().at(1);
  std::vector<std::string> captions;
  for (const MenuItem& item : view.items) captions.push_back(item.caption);
  EXPECT_EQ(captions, (Strings{"Top Browser Source", "Bottom Browser Source", "-",
                               "Top Browser Reader View", "Bottom Browser Reader View"}));
  rig.window.mnu_Click(ViewMenu::kName, 4);
  rig.window.mnu_Click(ViewMenu::kName, 2);
  EXPECT_EQ(rig.bottom.reader.calls, Strings{"Toggle"});
  EXPECT_TRUE(rig.top.reader.calls.empty());

  rig.window.ReaderNotAvailable(PaneId::Top);
  EXPECT_EQ(rig.top.label.Caption(), "Reader view is not available for this page");
  EXPECT_EQ(rig.top.label.announced().back(), "Reader view is not available for this page");
  EXPECT_NE(rig.bottom.label.Caption(), rig.top.label.Caption());
}

// What is written to the user's settings is driven end to end; here the next run reads it.
TEST(MainWindowTest, SideBySideIsRememberedInTheUsersSettingsForTheNextRun) {
  Rig rig;
  rig.window.Form_Load();
  const auto sideBySide = [](const Rig& r) {
    const LayoutModel& m = r.window.layout().model();
    return r.window.layout().SideBySideOn() &&
           m.rect(ControlId::brwWebBrowser1).Top == m.rect(ControlId::brwWebBrowser2).Top &&
           m.rect(ControlId::brwWebBrowser1).Left < m.rect(ControlId::brwWebBrowser2).Left;
  };
  EXPECT_FALSE(sideBySide(rig));
  rig.window.mnu_Click(BrowsersMenu::kName, BrowsersMenu::kSideBySideIndex);
  EXPECT_TRUE(sideBySide(rig));

  Rig next(true);
  next.window.Form_Load();
  EXPECT_TRUE(next.window.menus().Checked(BrowsersMenu::kSideBySide));
  EXPECT_TRUE(sideBySide(next));
  next.window.mnu_Click(BrowsersMenu::kName, BrowsersMenu::kSideBySideIndex);
  EXPECT_FALSE(sideBySide(next));
}

// The pages and the window's commands are the History window's own tests'; here the Favorites
// menu opens it on the pane the user was in, and it goes with the main window and its logic.
TEST(MainWindowTest, HistoryOpensOnTheFocusedPaneAndClosesWithTheWindow) {
  TempDir dir;
  FakeClock clock(1700000000000);
  RecordingHistoryNotices notices;
  History history((dir.path() / "history.sqlite").string(), clock, notices);
  history.RecordVisit("http://seen.test/", "Seen");
  FakeHistoryWindowView view;
  {
    Rig rig(false, &history, &view);
    rig.window.Form_Load();
    rig.window.PaneFocused(PaneId::Bottom);
    rig.window.mnu_Click(FavoritesMenu::kName, 9);
    ASSERT_EQ(view.shows, 1);
    ASSERT_EQ(view.shown->Groups().size(), 1u);
    EXPECT_EQ(view.shown->Groups()[0].visits[0].url, "http://seen.test/");
    view.shown->Activate("http://seen.test/");
    EXPECT_EQ(rig.bottom.browser.navigations().back(), "http://seen.test/");
    rig.window.Form_Unload();
    EXPECT_EQ(view.closes, 1);
    rig.window.mnu_Click(FavoritesMenu::kName, 9);
  }
  EXPECT_EQ(view.closes, 2);
  EXPECT_TRUE(notices.messages().empty());
}

// What each box suggests is AddressSuggestions' to test; here each pane's box has the history,
// the favorites the load has read and the other pane's page, and no history means no list.
TEST(MainWindowTest, EachBoxSuggestsTheHistoryTheFavoritesAndTheOtherPanesPage) {
  TempDir dir;
  FakeClock clock(1700000000000);
  RecordingHistoryNotices notices;
  History history((dir.path() / "history.sqlite").string(), clock, notices);
  history.RecordVisit("http://seen.test/", "Seen news");
  FakeHistoryWindowView view;
  Rig rig(false, &history, &view);
  rig.dir.writeFile("Favorites/News site.url", "URL=http://news.test/\n");
  rig.window.Form_Load();
  rig.top.browser.setLocationURL("http://top.test/news");
  rig.bottom.browser.setLocationURL("http://bottom.test/news");
  for (const PaneId id : {PaneId::Top, PaneId::Bottom}) {
    Controls& pane = id == PaneId::Top ? rig.top : rig.bottom;
    ASSERT_NE(rig.window.suggestions(id), nullptr);
    rig.window.suggestions(id)->Edited("news", false);
    Strings shown;
    for (const Suggestion& entry : pane.list.shown()) shown.push_back(entry.address);
    ASSERT_EQ(shown.size(), 4u);
    EXPECT_EQ(pane.list.shown()[0].kind, Suggestion::Kind::Search);
    const std::string other =
        id == PaneId::Top ? "http://bottom.test/news" : "http://top.test/news";
    EXPECT_EQ(Strings(shown.begin() + 1, shown.end()),
              (Strings{"http://seen.test/", "http://news.test/", other}));
  }

  Rig none;
  EXPECT_EQ(none.window.suggestions(PaneId::Top), nullptr);
  EXPECT_EQ(none.window.suggestions(PaneId::Bottom), nullptr);
}

TEST(MainWindowTest, NoTwoMenuItemsShareAShortcut) {
  Rig rig;
  std::map<std::string, std::string> owners;
  for (const Menu& menu : rig.window.menus().menus()) {
    for (const MenuItem& item : menu.items) {
      if (item.shortcut.empty()) continue;
      const auto [it, added] = owners.emplace(item.shortcut, item.caption);
      EXPECT_TRUE(added) << item.shortcut << ": " << it->second << " and " << item.caption;
    }
  }
}
// Records each step the load asks of the window; the step named by failing throws.
class RecordingWindow : public IMainWindowLoadSteps {
 public:
  Strings calls;
  std::string failing;
  FakeAddressBox top, bottom;
  std::string systemFolderSeen;

  void MakeToolbarsFlat() override { step("MakeToolbarsFlat"); }
  void ReadSystemFolders(std::string& systemFolder) override {
    systemFolderSeen = systemFolder;
    step("ReadSystemFolders");
  }
  void InitLayout() override { step("InitLayout"); }
  void DisableBackForward(PaneId pane) override { step("DisableBackForward" + name(pane)); }
  void Show() override { step("Show"); }
  void RepaintToolbar(PaneId pane) override { step("RepaintToolbar" + name(pane)); }
  IAddressBox& cboAddress(PaneId pane) override { return pane == PaneId::Top ? top : bottom; }
  void cboAddress_Click(PaneId pane) override {
    step("Click" + name(pane) + ":" + cboAddress(pane).Text());
  }
  void LoadTipWindow() override { step("LoadTipWindow"); }

 private:
  static std::string name(PaneId pane) { return pane == PaneId::Top ? "1" : "2"; }
  void step(const std::string& call) {
    calls.push_back(call);
    if (call == failing) throw std::runtime_error(call);
  }
};

const Strings kOrder = {"MakeToolbarsFlat",
                        "ReadSystemFolders",
                        "InitLayout",
                        "DisableBackForward1",
                        "DisableBackForward2",
                        "Show",
                        "RepaintToolbar1",
                        "RepaintToolbar2",
                        "Click1:/opt/cv/cv.html",
                        "Click2:/opt/cv/CVguide.html",
                        "LoadTipWindow"};

TEST(MainWindowLoad, RunsEveryStepInOrderEvenWhenOneFails) {
  RecordingWindow window;
  MainWindowLoad(window, kHomes).Form_Load();
  EXPECT_EQ(window.calls, kOrder);
  EXPECT_EQ(window.systemFolderSeen, std::string(512, '\0'));
  // Each list offers both online homes, the pane's own first.
  EXPECT_EQ(window.top.entries(), (Strings{kHomes.StartingAddress1, kHomes.StartingAddress2}));
  EXPECT_EQ(window.bottom.entries(), (Strings{kHomes.StartingAddress2, kHomes.StartingAddress1}));

  for (const std::string& failing : kOrder) {
    RecordingWindow failingWindow;
    failingWindow.failing = failing;
    MainWindowLoad(failingWindow, kHomes).Form_Load();
    EXPECT_EQ(failingWindow.calls, kOrder) << failing;
  }

  // An empty top online home skips the navigation step.
  RecordingWindow noHome;
  HomePages homes = kHomes;
  homes.StartingAddress1.clear();
  MainWindowLoad(noHome, homes).Form_Load();
  EXPECT_EQ(noHome.top.ListCount() + noHome.bottom.ListCount(), 0);
  Strings withoutClicks = kOrder;
  withoutClicks.erase(withoutClicks.begin() + 8, withoutClicks.begin() + 10);
  EXPECT_EQ(noHome.calls, withoutClicks);
}

}  // namespace
}  // namespace corvane
