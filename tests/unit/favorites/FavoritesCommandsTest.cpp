#include "favorites/FavoritesCommands.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "FakeAddFavoriteDialog.h"
#include "FakeFileDialog.h"
#include "FakeMessageBox.h"
#include "FakeWindowMetrics.h"
#include "PaneRig.h"
#include "RecordingFakes.h"
#include "TempDir.h"
#include "favorites/FavoritesMenu.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;
constexpr MsgBoxResult Yes = MsgBoxResult::Yes;
constexpr MsgBoxResult No = MsgBoxResult::No;
constexpr MsgBoxResult Cancel = MsgBoxResult::Cancel;

// A tree view that fails to show anything.
class BrokenTreeView : public FakeTreeView {
 public:
  void Show(const TreeNodes&) override { throw std::runtime_error("no tree"); }
};

struct Rig {
  explicit Rig(ITreeView* view = nullptr)
      : layout(metrics),
        commands(menus, layout, top.controller, bottom.controller,
                 {view ? *view : tree, pointer, addDialog, organizeDialog, favoritesFolder()},
                 messageBox, [this] { ++layoutPasses; }),
        folder(favoritesFolder()),
        transfer(folder, fileDialog, messageBox, [this] { commands.ShowNewFavorites(); }),
        menu(
            menus, commands, transfer, [this] { ++homePagesOpened; }, [this] { ++historyOpened; }) {
    layout.InitLayout();
    top.browser.setLocationURL("http://top.example/");
    top.browser.setLocationName("Top Page");
    bottom.browser.setLocationURL("http://bottom.example/");
    bottom.browser.setLocationName("Bottom Page");
  }
  std::string favoritesFolder() const { return (dir.path() / "Favorites").string(); }
  const TreeNode& link(const std::string& text) const {
    for (const TreeNode* node : commands.tree().Item(1).Children) {
      if (node->Text == text) return *node;
    }
    throw std::logic_error("no node " + text);
  }
  bool paneShown() const {
    const LayoutModel& m = layout.model();
    return m.FavoritesShown() && m.visible(ControlId::tvw) && m.visible(ControlId::picSplit) &&
           m.visible(ControlId::frmFav);
  }

  TempDir dir;
  PaneRig top{PaneId::Top};
  PaneRig bottom{PaneId::Bottom};
  FakeWindowMetrics metrics;
  MenuBar menus;
  Layout layout;
  FakeTreeView tree;
  FakeMousePointer pointer;
  FakeAddFavoriteDialog addDialog;
  FakeOrganizeFavoritesDialog organizeDialog;
  FakeMessageBox messageBox;
  int layoutPasses = 0;
  int homePagesOpened = 0;
  int historyOpened = 0;
  FavoritesCommands commands;
  FakeFileDialog fileDialog;
  FavoritesFolder folder;
  FavoritesTransfer transfer;
  FavoritesMenu menu;
};

// Showing, hiding and the check mark are driven end to end; the tree is built once, under the
// hourglass, and each showing gives it the keyboard.
TEST(FavoritesCommandsTest, TheTreeIsBuiltOnTheFirstShowingOnlyAndKeptAcrossHideAndShow) {
  Rig rig;
  rig.dir.writeFile("Favorites/one.url", "URL=http://one.example/\n");
  rig.menus.Click(FavoritesMenu::kName, FavoritesMenu::kViewFavoritesIndex);
  EXPECT_TRUE(rig.paneShown());
  EXPECT_EQ(rig.tree.shown(), &rig.commands.tree());
  EXPECT_EQ(rig.pointer.history(),
            (std::vector<MousePointer>{MousePointer::Hourglass, MousePointer::Default}));
  EXPECT_EQ(rig.layoutPasses, 1);

  rig.commands.cmdFavCloseX_Click();
  EXPECT_FALSE(rig.layout.model().visible(ControlId::picSplit));
  EXPECT_EQ(rig.layoutPasses, 2);
  // Favorites added meanwhile show in the next run only.
  rig.dir.writeFile("Favorites/two.url", "URL=http://two.example/\n");
  rig.commands.mnuOptionsFav_Click();
  EXPECT_TRUE(rig.paneShown());
  EXPECT_EQ(rig.tree.shows(), 1);
  EXPECT_EQ(rig.tree.focuses(), 2);
  EXPECT_EQ(rig.commands.tree().Count(), 2);
  EXPECT_EQ(rig.pointer.current(), MousePointer::Default);
}

// Refresh, and an import that brings favorites, build the tree afresh and keep what the user
// expanded and selected; Add and Organize leave it as it is (above).
TEST(FavoritesCommandsTest, RefreshBuildsTheTreeAfreshKeepingExpandedFoldersAndTheSelection) {
  Rig rig;
  rig.dir.writeFile("Favorites/Work/in.url", "URL=http://in.example/\n");
  rig.dir.writeFile("Favorites/Home/at.url", "URL=http://at.example/\n");
  rig.commands.mnuOptionsFav_Click();
  const std::string root = rig.favoritesFolder();
  rig.tree.setState({{root, root + "/Work"}, root + "/Work/in"});
  rig.dir.writeFile("Favorites/Work/new.url", "URL=http://new.example/\n");

  rig.commands.RefreshFavorites();
  EXPECT_EQ(rig.tree.shows(), 2);
  EXPECT_EQ(rig.tree.shown(), &rig.commands.tree());
  EXPECT_TRUE(rig.link("Work").Expanded);
  EXPECT_EQ(rig.link("Work").Children.size(), 2u);
  EXPECT_FALSE(rig.link("Home").Expanded);
  ASSERT_NE(rig.tree.selected(), nullptr);
  EXPECT_EQ(rig.tree.selected()->FullPath(), root + "/Work/in");
  EXPECT_EQ(rig.pointer.history(),
            (std::vector<MousePointer>{MousePointer::Hourglass, MousePointer::Default,
                                       MousePointer::Hourglass, MousePointer::Default}));

  rig.fileDialog.choose(
      rig.dir
          .writeFile("in.html",
                     "<!DOCTYPE NETSCAPE-Bookmark-file-1><DL><DT><A HREF=\"http://b/\">b</A></DL>")
          .string());
  rig.menus.Click(FavoritesMenu::kName, 6);
  EXPECT_EQ(rig.tree.shows(), 3);
  EXPECT_EQ(rig.link("b").Tag, "http://b/");
  EXPECT_TRUE(rig.link("Work").Expanded);
  EXPECT_EQ(rig.tree.selected()->FullPath(), root + "/Work/in");
}

TEST(FavoritesCommandsTest, AMissingFavoritesFolderIsCreatedAndShownEmpty) {
  Rig rig;
  rig.commands.mnuOptionsFav_Click();
  EXPECT_TRUE(std::filesystem::is_directory(rig.favoritesFolder()));
  EXPECT_EQ(rig.commands.tree().Count(), 1);
  EXPECT_EQ(rig.commands.tree().Item(1).Text, rig.favoritesFolder());
  EXPECT_TRUE(rig.messageBox.shown().empty());
}

TEST(FavoritesCommandsTest, AFailedBuildStillRestoresThePointerAndLaysTheWindowOut) {
  BrokenTreeView broken;
  Rig rig(&broken);
  rig.commands.mnuOptionsFav_Click();
  EXPECT_TRUE(rig.menus.Checked("mnuOptionsFav"));
  // The failure skipped showing the pane; the pointer and the layout pass still ran.
  EXPECT_FALSE(rig.layout.model().visible(ControlId::tvw));
  EXPECT_EQ(rig.pointer.current(), MousePointer::Default);
  EXPECT_EQ(rig.layoutPasses, 1);
}

// Yes at either question, and Cancel at the first, are driven end to end; No to both questions,
// or Cancel at the second, opens the link nowhere.
TEST(FavoritesCommandsTest, ALinkNeitherPaneIsToOpenOpensNowhere) {
  for (const std::deque<MsgBoxResult>& answers : {std::deque{No, No}, std::deque{No, Cancel}}) {
    Rig rig;
    rig.dir.writeFile("Favorites/one.url", "URL=http://one.example/\n");
    rig.commands.mnuOptionsFav_Click();
    rig.messageBox.script(answers);
    rig.commands.tvw_NodeClick(rig.link("one"));
    EXPECT_EQ(rig.messageBox.texts(), (Strings{"Do you want the Top Browser to open this?",
                                               "Do you want the Bottom Browser to open this?"}));
    for (const FakeMessageBox::Shown& box : rig.messageBox.shown()) {
      EXPECT_EQ(std::make_tuple(box.buttons, box.icon, box.title),
                std::make_tuple(MsgBoxButtons::YesNoCancel, MsgBoxIcon::None, "Corvane"));
    }
    EXPECT_TRUE(rig.top.browser.calls().empty() && rig.bottom.browser.calls().empty());
  }
}

TEST(FavoritesCommandsTest, FoldersEmptyFoldersAndShortcutsWithoutAddressAskNothing) {
  Rig rig;
  rig.dir.writeFile("Favorites/Work/in.url", "URL=http://in.example/\n");
  rig.dir.writeFile("Favorites/broken.url", "[InternetShortcut]\n");
  std::filesystem::create_directories(rig.dir.path() / "Favorites" / "Empty");
  rig.commands.mnuOptionsFav_Click();
  for (const char* name : {"Work", "broken", "Empty"}) rig.commands.tvw_NodeClick(rig.link(name));
  rig.commands.tvw_NodeClick(rig.commands.tree().Item(1));
  EXPECT_TRUE(rig.messageBox.shown().empty());
  EXPECT_TRUE(rig.top.browser.navigations().empty());
}

// The two questions, Yes at the first and Cancel at the second, are driven end to end.
TEST(FavoritesCommandsTest, AddAsksPaneByPaneAndCancelEndsTheQuestions) {
  {
    Rig rig;
    rig.messageBox.script({Cancel});
    rig.commands.cmdAddFav_Click();
    EXPECT_EQ(rig.messageBox.shown().size(), 1u);
    EXPECT_TRUE(rig.addDialog.requests().empty());
  }
  {
    Rig rig;
    rig.messageBox.script({No, Yes});
    rig.commands.cmdAddFav_Click();
    ASSERT_EQ(rig.addDialog.requests().size(), 1u);
    EXPECT_EQ(rig.addDialog.requests()[0].address, "http://bottom.example/");
    EXPECT_EQ(rig.addDialog.requests()[0].name, "Bottom Page");
  }
}

// What the address boxes suggest: the folder as read at start, then as each command leaves it.
TEST(FavoritesCommandsTest, TheSuggestedFavoritesFollowTheFolder) {
  Rig rig;
  const auto suggested = [&rig] {
    Strings names;
    for (const auto* link : rig.commands.suggested().Matches(TypedWords("example"), 10)) {
      names.push_back(link->name);
    }
    return names;
  };
  rig.dir.writeFile("Favorites/one.url", "URL=http://one.example/\n");
  EXPECT_EQ(suggested(), Strings{});
  rig.commands.ReadSuggestedFavorites();
  EXPECT_EQ(suggested(), Strings{"one"});

  // Added: the tree stays as it is, the suggestions do not.
  rig.addDialog.script({AddFavoriteChoice{"Top Page", ""}});
  rig.commands.AddToFavorites(PaneId::Top);
  EXPECT_EQ(suggested(), (Strings{"one", "Top Page"}));
  // Organized: whatever the dialog did to the folder.
  rig.dir.writeFile("Favorites/Moved/two.url", "URL=http://two.example/\n");
  rig.commands.cmdOrganizeFav_Click();
  EXPECT_EQ(suggested(), (Strings{"two", "one", "Top Page"}));
  // The tree built, on its first showing and on Refresh, is what is suggested.
  rig.dir.writeFile("Favorites/three.url", "URL=http://three.example/\n");
  rig.commands.mnuOptionsFav_Click();
  EXPECT_EQ(suggested(), (Strings{"two", "one", "three", "Top Page"}));
  std::filesystem::remove(rig.dir.path() / "Favorites/one.url");
  rig.commands.RefreshFavorites();
  EXPECT_EQ(suggested(), (Strings{"two", "three", "Top Page"}));
}

TEST(FavoritesCommandsTest, TheFavoritesMenuArrayByIndex) {
  Rig rig;
  rig.menus.Click(FavoritesMenu::kName, 1);
  rig.menus.Click(FavoritesMenu::kName, 2);
  ASSERT_EQ(rig.addDialog.requests().size(), 2u);
  EXPECT_EQ(rig.addDialog.requests()[0].address, "http://top.example/");
  EXPECT_EQ(rig.addDialog.requests()[1].address, "http://bottom.example/");
  EXPECT_TRUE(rig.messageBox.shown().empty());

  rig.menus.Click(FavoritesMenu::kName, 0);
  rig.commands.cmdOrganizeFav_Click();
  EXPECT_EQ(rig.organizeDialog.calls(), (Strings{rig.favoritesFolder(), rig.favoritesFolder()}));

  rig.menus.Click(FavoritesMenu::kName, 4);
  EXPECT_EQ(rig.homePagesOpened, 1);
  rig.menus.Click(FavoritesMenu::kName, 9);
  EXPECT_EQ(rig.historyOpened, 1);
  for (int index : {3, 5, 8, 10, -2}) rig.menu.mnuOptionsAddFav_Click(index);
  EXPECT_EQ(rig.homePagesOpened, 1);
  EXPECT_EQ(rig.historyOpened, 1);
  EXPECT_EQ(rig.addDialog.requests().size(), 2u);
  EXPECT_EQ(rig.organizeDialog.calls().size(), 2u);
  EXPECT_FALSE(rig.menus.Checked("mnuOptionsFav"));

  // Import (its tree is driven end to end) and export.
  rig.fileDialog.choose(
      rig.dir.writeFile("in.html", "<DL><DT><A HREF=\"http://one/\" ADD_DATE=\"1\">one</A></DL>")
          .string());
  rig.menus.Click(FavoritesMenu::kName, 6);
  EXPECT_TRUE(rig.paneShown());
  rig.fileDialog.choose((rig.dir.path() / "out.html").string());
  rig.menus.Click(FavoritesMenu::kName, 7);
  EXPECT_NE(rig.dir.readFile("out.html").find("<A HREF=\"http://one/\">one</A>"),
            std::string::npos);
}

}  // namespace
}  // namespace corvane
