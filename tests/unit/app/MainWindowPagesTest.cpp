#include "app/MainWindowPages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "FakeAddFavoriteDialog.h"
#include "FakeAddressBox.h"
#include "FakeFileDialog.h"
#include "FakeHomePagesWindow.h"
#include "FakeMessageBox.h"
#include "FakePageTabs.h"
#include "FakePageViews.h"
#include "FakeProgressBar.h"
#include "FakeReaderView.h"
#include "FakeSessionStrip.h"
#include "FakeSettingsStore.h"
#include "FakeShellFolders.h"
#include "FakeStatusLine.h"
#include "FakeSteadyClock.h"
#include "FakeTimer.h"
#include "FakeToolbar.h"
#include "FakeWindowMetrics.h"
#include "RecordingFakes.h"
#include "TempDir.h"
#include "menus/BrowsersMenu.h"
#include "session/SessionJson.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

class QuietView : public IMainWindowView {
 public:
  void Show() override {}
  void ShowLayout(const Layout&) override {}
  void ShowMenus(const MenuBar&) override {}
  void Close() override {}
  void SwapPages() override {}
};

struct PaneFakes {
  ShownPageBrowser browser;
  FakeAddressBox box;
  FakeStatusLine label;
  FakeProgressBar bar;
  FakeTimer timer{5};
  FakeToolbar toolbar;
  FakePageViews views;
  FakePageTabs tabs;
  FakeReaderView reader;
  PaneControls controls() { return {browser, box, label, bar, timer, toolbar, reader}; }
  MainWindowPages::PanePlatform platform() { return {browser, views, tabs}; }
};

// The main window over fakes, with both panes' pages, their session in a temp data folder.
struct Rig {
  Rig()
      : settings(dir.path() / "cv.ini"),
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
                nullptr,
                nullptr},
               settings, {"http://t/", "http://b/", "/opt/cv/cv.html", "/opt/cv/CVguide.html"}) {}

  MainWindowPages& pages() {
    if (!pages_) {
      pages_ = std::make_unique<MainWindowPages>(
          window, top.platform(), bottom.platform(),
          MainWindowPages::Platform{clock, lifecycleTimer, saveTimer, strip, dir.path() / "data",
                                    store, "corvane"});
    }
    return *pages_;
  }
  Strings titles(PaneId pane) {
    return pane == PaneId::Top ? top.tabs.titles() : bottom.tabs.titles();
  }

  TempDir dir;
  QuietView view;
  PaneFakes top, bottom;
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
  mdlGen settings;
  MainWindow window;
  FakeSteadyClock clock;
  FakeTimer lifecycleTimer{60000};
  FakeTimer saveTimer{1000};
  FakeSessionStrip strip;
  std::unique_ptr<MainWindowPages> pages_;
};

// A link's new page opens in its own pane, or in the other one while the pane's links go there
// and the other pane shows; a favorite taken with the middle button goes where the user says.
TEST(MainWindowPagesTest, NewPagesGoToThePaneTheirLinksAndFavoritesAreSentTo) {
  Rig rig;
  rig.pages().OpenLinkedPage(PaneId::Top, "http://a/", PageOpening::Behind);
  EXPECT_EQ(rig.pages().pages(PaneId::Top).Count(), 2);
  rig.window.mnu_Click(BrowsersMenu::kName, BrowsersMenu::kFollowTopLinksIndex);
  rig.pages().OpenLinkedPage(PaneId::Top, "http://b/", PageOpening::InFront);
  EXPECT_EQ(rig.pages().pages(PaneId::Top).Count(), 2);
  EXPECT_EQ(rig.pages().pages(PaneId::Bottom).Count(), 2);
  EXPECT_EQ(rig.pages().pages(PaneId::Bottom).Shown(), 1);

  TreeNode favorite;
  favorite.Tag = "http://fav/";
  rig.messageBox.script({MsgBoxResult::No, MsgBoxResult::Yes});
  rig.pages().tvw_NodeMiddleClick(favorite);
  EXPECT_EQ(rig.pages().pages(PaneId::Bottom).Count(), 3);
  // Behind: the page shown stays.
  EXPECT_EQ(rig.pages().pages(PaneId::Bottom).Shown(), 1);

  rig.pages().MovePageToOtherPane(PaneId::Bottom, 2, 0);
  EXPECT_EQ(rig.pages().pages(PaneId::Top).Count(), 3);
  EXPECT_EQ(rig.pages().pages(PaneId::Top).Shown(), 0);
}

// The Internet Options decide at start-up whether the strip always shows and whether the pages
// of a proper close come back; the session lies in the data folder, beside its lock.
TEST(MainWindowPagesTest, StartFollowsTheInternetOptionsAndTheSessionInTheDataFolder) {
  Rig rig;
  Session last;
  last.top.pages.push_back({"http://x/", "X", {{{"http://x/", "X"}}, 0}, ""});
  last.top.pages.push_back({"http://y/", "Y", {{{"http://y/", "Y"}}, 0}, ""});
  last.top.shown = 1;
  std::filesystem::create_directories(rig.dir.path() / "data");
  std::ofstream(rig.dir.path() / "data" / MainWindowPages::kSessionFile)
      << SessionJson::Write(last, true);
  InternetOptions options;
  options.openLastPages = true;
  options.pageStripAlways = true;
  options.Save(rig.store, "corvane");

  rig.pages().Start();
  EXPECT_EQ(rig.titles(PaneId::Top), (Strings{"X", "Y"}));
  EXPECT_EQ(rig.pages().pages(PaneId::Top).Shown(), 1);
  EXPECT_TRUE(rig.bottom.tabs.visible());
  EXPECT_TRUE(std::filesystem::exists(rig.dir.path() / "data" / MainWindowPages::kLockFile));

  options.pageStripAlways = false;
  options.Save(rig.store, "corvane");
  rig.pages().OptionsChanged();
  EXPECT_FALSE(rig.bottom.tabs.visible());
  EXPECT_TRUE(rig.top.tabs.visible());
}

}  // namespace
}  // namespace corvane
