#include "favorites/FavoritesAdder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FakeAddFavoriteDialog.h"
#include "FakeMessageBox.h"
#include "TempDir.h"
#include "favorites/DirRecurse.h"
#include "favorites/InternetShortcut.h"
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

// Whatever the name, the tree shows it as typed (less blanks around it), and the file lies in
// the chosen folder.
TEST(FavoritesAdderTest, AFavoriteIsShownUnderTheNameTyped) {
  const std::string nonAscii = "Caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC / Men\xC3\xBC";
  for (const std::string& name : std::vector<std::string>{
           "Notes on the .url format", ".url", ".URL", ".hidden", ".", "..", "...", "a.",
           "x.url.url", "AC/DC: Live", "100% sure %2E %2f %25", nonAscii, "../../escape"}) {
    Adder a;
    a.dialog.script({AddFavoriteChoice{"  " + name + " ", ""}});
    EXPECT_TRUE(a.adder.AddFavorite("http://x.example/", name));
    EXPECT_EQ(a.dialog.requests()[0].name, name);
    EXPECT_EQ(a.readBack(name), "http://x.example/") << name;
    for (const auto& entry : fs::directory_iterator(a.root())) {
      EXPECT_NE(entry.path().filename().string()[0], '.') << name;  // never hidden
    }
  }
  // Too long for a file name: cut, never inside a character, and shown as cut.
  std::string longName;
  for (int i = 0; i < 200; ++i) longName += "\xC3\xA9%";
  const std::string shown = InternetShortcut::ShownName(longName);
  EXPECT_EQ(longName.compare(0, shown.size(), shown), 0);
  EXPECT_GT(shown.size(), 100u);
  EXPECT_EQ(shown.back(), '%');
  Adder a;
  a.dialog.script({AddFavoriteChoice{longName, ""}});
  EXPECT_TRUE(a.adder.AddFavorite("http://long.example/", longName));
  EXPECT_EQ(a.readBack(shown), "http://long.example/");

  // Untitled pages are named by their address; a blank name is "Untitled".
  Adder b;
  b.dialog.script({AddFavoriteChoice{" \t", ""}});
  EXPECT_TRUE(b.adder.AddFavorite("http://x.example/", ""));
  EXPECT_EQ(b.dialog.requests()[0].name, "http://x.example/");
  EXPECT_EQ(b.readBack("Untitled"), "http://x.example/");
}

TEST(FavoritesAdderTest, AFolderNameNeverLeadsOutOfTheFavoritesFolder) {
  Adder a;
  a.dialog.script({AddFavoriteChoice{"escape", "../.."}});
  EXPECT_TRUE(a.adder.AddFavorite("http://x.example/", "escape"));
  EXPECT_EQ(a.readBack("escape", "Untitled/Untitled"), "http://x.example/");
  EXPECT_FALSE(fs::exists(a.dir.path() / "escape.url"));
  EXPECT_EQ(InternetShortcut::SafeFileName("AC/DC: Live\tNow\n"), "AC-DC: Live Now");
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
  fs::create_directories(a.root() / "archive");
  a.dialog.script(
      {AddFavoriteChoice{"Docs", "Work/Tools"}, AddFavoriteChoice{"Daily", "News/Daily"}});
  EXPECT_TRUE(a.adder.AddFavorite("http://docs.example/", "Docs"));
  EXPECT_EQ(a.dialog.requests()[0].folders,
            (std::vector<std::string>{"", "archive", "Work", "Work/Tools"}));
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
TEST(NewFolderPathTest, ANameGoesInsideItsParentAndNothingElseMakesAFolder) {
  EXPECT_EQ(NewFolderPath("", "  Work "), "Work");
  EXPECT_EQ(NewFolderPath("Work/2024", "Notes .url"), "Work/2024/Notes .url");
  for (const char* refused : {"", "   ", ".", "..", "../etc", "a/b", "/"}) {
    EXPECT_FALSE(NewFolderPath("Work", refused)) << refused;
  }
}

}  // namespace
}  // namespace corvane
