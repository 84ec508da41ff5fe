#include "app/MainWindow.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "FakeAddFavoriteDialog.h"
#include "FakeAddressBox.h"
#include "FakeBrowserControl.h"
#include "FakeFileDialog.h"
#include "FakeHomePagesWindow.h"
#include "FakeMessageBox.h"
#include "FakeProgressBar.h"
#include "FakeSettingsStore.h"
#include "FakeShellFolders.h"
#include "FakeStatusLine.h"
#include "FakeTimer.h"
#include "FakeToolbar.h"
#include "FakeWindowMetrics.h"
#include "RecordingFakes.h"
#include "TempDir.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

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
  PaneControls controls() { return {browser, box, label, bar, timer, toolbar}; }
};

struct Rig {
  // sideBySide: what the user chose in the last run.
  explicit Rig(bool sideBySide = false)
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
                homePagesWindow},
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
  HomePages homes{"http://t.example/", "http://t.example/news.html", "/opt/cv/cv.html",
                  "/opt/cv/CVguide.html"};
  MainWindow window;
};

TEST(MainWindowTest, LoadFlattensToolbarsLaysOutShowsAndOpensTheOfflineHomes) {
  Rig rig;
  rig.window.Form_Load();
  for (Controls* pane : {&rig.top, &rig.bottom}) {
    EXPECT_TRUE(pane->toolbar.flat());
    EXPECT_FALSE(pane->toolbar.ButtonEnabled(1));
    EXPECT_FALSE(pane->toolbar.ButtonEnabled(2));
    EXPECT_TRUE(pane->toolbar.ButtonEnabled(3));
  }
  // Laid out before it is shown, laid out again with the first showing, then the tip window.
  EXPECT_EQ(rig.view.calls, (Strings{"ShowLayout", "Show", "ShowLayout", "ShowMenus"}));
  EXPECT_EQ(rig.windows.calls(), (Strings{"ShowTipWindow"}));
  EXPECT_EQ(rig.top.browser.navigations(), (Strings{"/opt/cv/cv.html"}));
  EXPECT_EQ(rig.bottom.browser.navigations(), (Strings{"/opt/cv/CVguide.html"}));
  EXPECT_EQ(rig.top.label.Caption(), "Going to /opt/cv/cv.html");
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

TEST(MainWindowTest, EachPanesEventsReachOnlyThatPane) {
  Rig rig;
  rig.window.Form_Load();
  // Back follows the control's history; Forward likewise; other commands are ignored.
  rig.bottom.browser.eventSink()->CommandStateChange(2, true);
  rig.bottom.browser.eventSink()->CommandStateChange(7, false);
  EXPECT_TRUE(rig.bottom.toolbar.ButtonEnabled(1));
  EXPECT_FALSE(rig.bottom.toolbar.ButtonEnabled(2));
  EXPECT_FALSE(rig.top.toolbar.ButtonEnabled(1));
  // In folder view the folder steps own the buttons.
  rig.window.pane(PaneId::Bottom).pane().LocalFile = true;
  rig.bottom.browser.eventSink()->CommandStateChange(2, false);
  EXPECT_TRUE(rig.bottom.toolbar.ButtonEnabled(1));
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

TEST(MainWindowTest, SwapPanesExchangesPagesAndBoxesAndTheKeyFocusesTheOtherShownPage) {
  Rig rig;
  rig.window.Form_Load();
  rig.window.mnu_Click(BrowsersMenu::kName, BrowsersMenu::kSwapPanesIndex);
  EXPECT_EQ(rig.view.calls.back(), "SwapPages");
  EXPECT_EQ(rig.top.box.entries(), (Strings{"http://t.example/news.html", "http://t.example/"}));
  EXPECT_EQ(rig.bottom.box.entries(), (Strings{"http://t.example/", "http://t.example/news.html"}));
  EXPECT_EQ(rig.top.label.Caption(), "Going to /opt/cv/CVguide.html");

  // Which pane is the other one is the focus rule's table; here that the item reaches it with
  // the panes the view mode shows.
  for (const int mode : {0, 2}) {  // both browsers, then the bottom one alone
    if (mode != 0) rig.window.mnu_Click(BrowsersMenu::kName, mode);
    for (Controls* c : {&rig.top, &rig.bottom}) c->browser.clearCalls();
    rig.window.PaneFocused(mode == 0 ? PaneId::Top : PaneId::Bottom);
    rig.window.mnu_Click(BrowsersMenu::kName, BrowsersMenu::kOtherPaneIndex);
    EXPECT_TRUE(rig.top.browser.calls().empty()) << mode;
    EXPECT_EQ(rig.bottom.browser.calls(), Strings{"SetFocus"}) << mode;
  }
}

// Each pane's item sends that pane's clicked links to the other pane, and only while that one is
// shown: a link must never vanish into a hidden pane.
TEST(MainWindowTest, ClickedLinksGoToTheOtherPaneWhileItsItemIsCheckedAndThePaneShown) {
  Rig rig;
  rig.window.Form_Load();
  using Target = std::optional<PaneId>;
  const auto targets = [&rig] {
    return std::make_pair(rig.window.LinkTarget(PaneId::Top),
                          rig.window.LinkTarget(PaneId::Bottom));
  };
  EXPECT_EQ(targets(), std::make_pair(Target(), Target()));
  rig.window.mnu_Click(BrowsersMenu::kName, BrowsersMenu::kFollowTopLinksIndex);
  EXPECT_EQ(targets(), std::make_pair(Target(PaneId::Bottom), Target()));
  rig.window.mnu_Click(BrowsersMenu::kName, BrowsersMenu::kFollowBottomLinksIndex);
  EXPECT_EQ(targets(), std::make_pair(Target(PaneId::Bottom), Target(PaneId::Top)));
  EXPECT_TRUE(rig.window.FollowsLinks(PaneId::Bottom));
  rig.window.mnu_Click(BrowsersMenu::kName, 1);  // the top browser alone
  EXPECT_EQ(targets(), std::make_pair(Target(), Target(PaneId::Top)));
  rig.window.mnu_Click(BrowsersMenu::kName, 0);
  rig.window.mnu_Click(BrowsersMenu::kName, BrowsersMenu::kFollowTopLinksIndex);
  EXPECT_EQ(targets(), std::make_pair(Target(), Target(PaneId::Top)));
  EXPECT_TRUE(rig.window.menus().Checked("mnuOptionsBothBrowsers"));
}

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
  EXPECT_EQ(rig.store.GetSetting("corvane", "Options", "Side by Side", ""), "1");

  Rig next(true);
  next.window.Form_Load();
  EXPECT_TRUE(next.window.menus().Checked(BrowsersMenu::kSideBySide));
  EXPECT_TRUE(sideBySide(next));
  next.window.mnu_Click(BrowsersMenu::kName, BrowsersMenu::kSideBySideIndex);
  EXPECT_FALSE(sideBySide(next));
  EXPECT_EQ(next.store.GetSetting("corvane", "Options", "Side by Side", ""), "0");
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

}  // namespace
}  // namespace corvane
