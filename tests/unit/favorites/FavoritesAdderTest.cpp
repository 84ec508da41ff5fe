#include "favorites/FavoritesAdder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "FakeAddFavoriteDialog.h"
#include "FakeMessageBox.h"
#include "TempDir.h"
#include "favorites/DirRecurse.h"
#include "favorites/FavoriteName.h"
#include "favorites/NewFolderPath.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

struct Adder {
  TempDir dir;
  FavoritesFolder folder{(dir.path() / "data" / "Favorites").string()};
  FakeAddFavoriteDialog dialog;
  FakeMessageBox messageBox;
  FavoritesAdder adder{folder, dialog, messageBox};

  fs::path root() const { return dir.path() / "data" / "Favorites"; }
  // The address the favorites tree reads from the shortcut at the relative path.
  std::string readBack(const std::string& text, const std::string& relativeFolder = "") {
    FakeMessageBox quiet;
    TreeNodes tree;
    DirRecurse(quiet).RecurseDirTV(tree, (root() / relativeFolder).string());
    for (const TreeNode* node : tree.Item(1).Children) {
      if (node->Text == text) return node->Tag;
    }
    return "<missing>";
  }
};

// The page's title proposed and its address in the file are driven end to end.
TEST(FavoritesAdderTest, AConfirmedAddWritesAWholeInternetShortcut) {
  Adder a;
  a.dialog.script({AddFavoriteChoice{"Example Page", ""}});
  EXPECT_TRUE(a.adder.AddFavorite("http://example.com/a?b=1", "Example Page"));
  EXPECT_EQ(a.dir.readFile("data/Favorites/Example Page.url"),
            "[InternetShortcut]\r\nURL=http://example.com/a?b=1\r\n");
  EXPECT_TRUE(a.messageBox.shown().empty());
}

// The name typed goes by the naming rule: the tree shows it as typed, less the blanks around it.
TEST(FavoritesAdderTest, AFavoriteIsShownUnderTheNameTyped) {
  Adder a;
  const std::string name = ".AC/DC: 100% live.url";
  a.dialog.script({AddFavoriteChoice{"  " + name + " ", ""}});
  EXPECT_TRUE(a.adder.AddFavorite("http://x.example/", name));
  EXPECT_EQ(a.dialog.requests()[0].name, name);
  EXPECT_EQ(a.readBack(name), "http://x.example/");
  EXPECT_TRUE(fs::exists(a.root() / FavoriteName::FileName(name, FavoriteName::kShortcut)));

  // Untitled pages are named by their address; a blank name is "Untitled".
  Adder b;
  b.dialog.script({AddFavoriteChoice{" \t", ""}});
  EXPECT_TRUE(b.adder.AddFavorite("http://x.example/", ""));
  EXPECT_EQ(b.dialog.requests()[0].name, "http://x.example/");
  EXPECT_EQ(b.readBack("Untitled"), "http://x.example/");
}

// A name too long for a file name comes back to the dialog shortened, and says so, before
// anything is saved; OK then keeps it as shown.
TEST(FavoritesAdderTest, ANameTooLongIsShownShortenedBeforeItIsSaved) {
  std::string longName;
  for (int i = 0; i < 200; ++i) longName += "\xC3\xA9";  // 400 bytes
  const std::string kept = FavoriteName::Kept(longName, FavoriteName::kShortcut);
  const std::string notice =
      "The name is too long for a file name, so it has been shortened to fit. OK saves it as "
      "shown.";
  Adder a;
  fs::create_directories(a.root() / "Work");
  // A folder made in the dialog is offered again, though it is made only with the favorite.
  a.dialog.script(
      {AddFavoriteChoice{longName, "Work/New%2FOne"}, AddFavoriteChoice{kept, "Work/New%2FOne"}});
  EXPECT_TRUE(a.adder.AddFavorite("http://long.example/", "Short"));
  ASSERT_EQ(a.dialog.requests().size(), 2u);
  EXPECT_EQ(a.dialog.requests()[0].notice, "");
  const AddFavoriteRequest& again = a.dialog.requests()[1];
  EXPECT_EQ(std::make_tuple(again.name, again.folder, again.notice),
            std::make_tuple(kept, std::string("Work/New%2FOne"), notice));
  EXPECT_EQ(again.folders,
            (std::vector<FolderChoice>{{"", ""}, {"Work", "Work"}, {"Work/New%2FOne", "New/One"}}));
  EXPECT_EQ(a.readBack(kept, "Work/New%2FOne"), "http://long.example/");

  // A page whose title is too long is offered under the name that fits, with the same notice.
  Adder b;
  EXPECT_FALSE(b.adder.AddFavorite("http://long.example/", longName));
  EXPECT_EQ(std::make_tuple(b.dialog.requests()[0].name, b.dialog.requests()[0].notice),
            std::make_tuple(kept, notice));
}

TEST(FavoritesAdderTest, AFolderNameNeverLeadsOutOfTheFavoritesFolder) {
  Adder a;
  a.dialog.script({AddFavoriteChoice{"escape", "../.."}});
  EXPECT_TRUE(a.adder.AddFavorite("http://x.example/", "escape"));
  EXPECT_EQ(a.readBack("escape", "%2E./%2E."), "http://x.example/");
  EXPECT_FALSE(fs::exists(a.dir.path() / "escape.url"));
}

TEST(FavoritesAdderTest, AFavoriteIsReplacedOnlyWhenTheUserSaysSo) {
  Adder a;
  a.dir.writeFile("data/Favorites/Mine.url", "URL=http://old.example/\n");
  // No: back to the dialog with the same name and folder, then another name.
  a.messageBox.script({MsgBoxResult::No});
  a.dialog.script({AddFavoriteChoice{"Mine", ""}, AddFavoriteChoice{"Mine too", ""}});
  EXPECT_TRUE(a.adder.AddFavorite("http://new.example/", "Mine"));
  ASSERT_EQ(a.dialog.requests().size(), 2u);
  EXPECT_EQ(a.dialog.requests()[1].name, "Mine");
  EXPECT_EQ(a.messageBox.shown()[0].text,
            "A favorite named \"Mine\" is already in this folder. Do you want to replace it?");
  EXPECT_EQ(a.readBack("Mine"), "http://old.example/");
  EXPECT_EQ(a.readBack("Mine too"), "http://new.example/");

  // Yes: replaced.
  a.messageBox.script({MsgBoxResult::Yes});
  a.dialog.script({AddFavoriteChoice{"Mine", ""}});
  EXPECT_TRUE(a.adder.AddFavorite("http://newer.example/", "Mine"));
  EXPECT_EQ(a.readBack("Mine"), "http://newer.example/");
}

TEST(FavoritesAdderTest, AFolderChosenOrCreatedInTheDialogReceivesTheShortcut) {
  Adder a;
  fs::create_directories(a.root() / "Work" / "Tools");
  fs::create_directories(a.root() / "a%2Fb");
  a.dialog.script(
      {AddFavoriteChoice{"Docs", "Work/Tools"}, AddFavoriteChoice{"Daily", "News/Daily"}});
  EXPECT_TRUE(a.adder.AddFavorite("http://docs.example/", "Docs"));
  // Each folder by its path and the name the tree shows.
  EXPECT_EQ(a.dialog.requests()[0].folders,
            (std::vector<FolderChoice>{
                {"", ""}, {"a%2Fb", "a/b"}, {"Work", "Work"}, {"Work/Tools", "Tools"}}));
  EXPECT_EQ(a.readBack("Docs", "Work/Tools"), "http://docs.example/");
  EXPECT_TRUE(a.adder.AddFavorite("http://daily.example/", "Daily"));
  EXPECT_EQ(a.readBack("Daily", "News/Daily"), "http://daily.example/");
}

TEST(FavoritesAdderTest, AShortcutThatCannotBeWrittenIsReported) {
  Adder a;
  // A read-only favorite is refused even to root, after the user agreed to replace it.
  const fs::path locked = a.dir.writeFile("data/Favorites/Locked.url", "URL=http://old/\n");
  fs::permissions(locked, fs::perms::owner_read);
  a.dialog.script({AddFavoriteChoice{"Locked", ""}});
  EXPECT_FALSE(a.adder.AddFavorite("http://new/", "Locked"));
  ASSERT_EQ(a.messageBox.shown().size(), 2u);
  EXPECT_EQ(a.messageBox.shown()[1].text,
            "The favorite could not be saved in " + (a.root() / "Locked.url").string() + ".");
  EXPECT_EQ(a.messageBox.shown()[1].icon, MsgBoxIcon::Exclamation);
  EXPECT_EQ(a.readBack("Locked"), "http://old/");

  // No Favorites folder can be made where a file stands in its way.
  TempDir dir;
  dir.writeFile("Favorites", "a file");
  FavoritesFolder blocked((dir.path() / "Favorites").string());
  FakeMessageBox messageBox;
  FavoritesAdder adder(blocked, a.dialog, messageBox);
  EXPECT_FALSE(adder.AddFavorite("http://x/", "X"));
  EXPECT_EQ(messageBox.texts(),
            std::vector<std::string>{"The favorite could not be saved in the Favorites folder."});
}
// The dialog's New Folder names the folder by the naming rule: any name stays a name, and one
// too long is shortened with a notice.
TEST(NewFolderPathTest, ATypedNameIsAFolderInsideItsParent) {
  const auto made = [](const std::string& parent, const std::string& typed) {
    const std::optional<NewFolder> folder = NewFolderPath(parent, typed);
    return folder ? std::make_tuple(folder->folder.path, folder->folder.name, folder->notice)
                  : std::make_tuple(std::string("(none)"), std::string(), std::string());
  };
  EXPECT_EQ(made("", "  Work "), std::make_tuple("Work", "Work", ""));
  EXPECT_EQ(made("Work/2024", "../a/b .url"),
            std::make_tuple("Work/2024/%2E.%2Fa%2Fb %2Eurl", "../a/b .url", ""));
  EXPECT_EQ(made("Work", std::string(300, 'f')),
            std::make_tuple("Work/" + std::string(255, 'f'), std::string(255, 'f'),
                            FavoriteName::kShortenedNotice));
  for (const char* blank : {"", "   "}) EXPECT_EQ(std::get<0>(made("Work", blank)), "(none)");
}

}  // namespace
}  // namespace corvane
