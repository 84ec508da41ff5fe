#include "favorites/FavoritesOrganizer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FakeMessageBox.h"
#include "TempDir.h"
#include "favorites/DirRecurse.h"
#include "platform/ITrash.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using Status = OrganizeResult::Status;

// A trash that removes what it is given (a link as the link) and remembers it; or, when told
// the platform has none, refuses and leaves everything as it is.
class FakeTrash : public ITrash {
 public:
  bool MoveToTrash(const std::string& path) override {
    if (!available_) return false;
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
    if (ec) return false;
    trashed_.push_back(path);
    return true;
  }

  void setAvailable(bool available) { available_ = available; }
  const std::vector<std::string>& trashed() const { return trashed_; }

 private:
  bool available_ = true;
  std::vector<std::string> trashed_;
};

struct Organize {
  Organize() {
    dir.writeFile("Favorites/News.url", "URL=http://news.example/\n");
    dir.writeFile("Favorites/Work/Docs.url", "URL=http://docs.example/\n");
    dir.writeFile("Favorites/Work/old.URL.bak", "URL=http://old.example/\n");
    dir.writeFile("Favorites/desktop.ini", "[.ShellClassInfo]\n");
    dir.writeFile("Outside/keep.url", "URL=http://keep.example/\n");
  }
  fs::path root() const { return dir.path() / "Favorites"; }

  TempDir dir;
  FakeTrash trash;
  FavoritesOrganizer organizer{dir.path() / "Favorites", trash};
};

std::string names(const FavoriteEntry& folder) {
  std::string s;
  for (const FavoriteEntry& e : folder.children) {
    s += (s.empty() ? "" : " ") + e.name;
    if (e.folder) s += " {" + names(e) + "}";
  }
  return s;
}

TEST(FavoritesOrganizerTest, ListsFoldersAndShortcutsAsTheTreeShowsThem) {
  Organize o;
  const FavoriteEntry tree = o.organizer.Tree();
  EXPECT_EQ(tree.name, "Favorites");
  EXPECT_EQ(names(tree), "News Work {Docs old}");
  EXPECT_EQ(tree.children[1].children[1].path, o.root() / "Work" / "old.URL.bak");
  EXPECT_EQ(o.organizer.Folders(), (std::vector<FolderChoice>{{"", ""}, {"Work", "Work"}}));
}

TEST(FavoritesOrganizerTest, RenameKeepsTheShortcutEndingAndTakesNoTakenName) {
  Organize o;
  OrganizeResult r = o.organizer.Rename(o.root() / "News.url", "Daily: News/Sports");
  ASSERT_TRUE(r.ok()) << r.message;
  EXPECT_EQ(o.dir.readFile(r.path.lexically_relative(o.dir.path())), "URL=http://news.example/\n");
  EXPECT_EQ(names(o.organizer.Tree()), "Daily: News/Sports Work {Docs old}");
  // An odd ending stays as it was; a folder is renamed as it stands.
  EXPECT_TRUE(o.organizer.Rename(o.root() / "Work" / "old.URL.bak", "older").ok());
  EXPECT_TRUE(fs::exists(o.root() / "Work" / "older.URL.bak"));
  EXPECT_TRUE(o.organizer.Rename(o.root() / "Work", "Job").ok());
  EXPECT_TRUE(fs::exists(o.root() / "Job" / "Docs.url"));

  o.dir.writeFile("Favorites/Other.url", "URL=http://other/\n");
  r = o.organizer.Rename(o.root() / "Other.url", "Daily: News/Sports");
  EXPECT_EQ(r.status, Status::Refused);
  EXPECT_EQ(r.message, "\"Daily: News/Sports\" is already in this folder.");
  EXPECT_EQ(names(o.organizer.Tree()), "Daily: News/Sports Job {Docs older} Other");
}

// Rename and New Folder go by the naming rule: the tree shows the names as typed.
TEST(FavoritesOrganizerTest, RenamedAndNewItemsAreShownUnderTheNamesTyped) {
  Organize o;
  // A name too long is kept shortened; the window learns so beforehand.
  const std::string longName(400, 'n');
  const fs::path old = o.root() / "Work" / "old.URL.bak";
  EXPECT_EQ(o.organizer.ShortenedRename(old, longName), std::string(247, 'n'));
  EXPECT_EQ(o.organizer.ShortenedRename(old, "Fits"), std::nullopt);
  EXPECT_EQ(FavoritesOrganizer::ShortenedFolderName(longName), std::string(255, 'n'));
  const OrganizeResult r = o.organizer.Rename(old, longName);
  ASSERT_TRUE(r.ok()) << r.message;
  EXPECT_EQ(r.path.filename(), std::string(247, 'n') + ".URL.bak");

  const std::string odd = ".50% off/now .url";
  ASSERT_TRUE(o.organizer.Rename(o.root() / "News.url", odd).ok());
  ASSERT_TRUE(o.organizer.Rename(o.root() / "Work", "../" + odd).ok());
  ASSERT_TRUE(o.organizer.NewFolder(o.root(), "..").ok());
  FakeMessageBox quiet;
  TreeNodes tree;
  DirRecurse(quiet).RecurseDirTV(tree, o.root().string());
  std::string shown;
  for (const TreeNode* node : tree.Item(1).Children) shown += "[" + node->Text + "]";
  EXPECT_EQ(shown, "[..][../" + odd + "][" + odd + "]");
  for (const auto& entry : fs::directory_iterator(o.root())) {
    EXPECT_NE(entry.path().filename().string()[0], '.');
  }
}

TEST(FavoritesOrganizerTest, DeleteGoesToTheTrashOrForGoodOnlyWhenAsked) {
  Organize o;
  EXPECT_TRUE(o.organizer.Delete(o.root() / "Work", false).ok());
  EXPECT_EQ(o.trash.trashed(), std::vector<std::string>{(o.root() / "Work").string()});
  EXPECT_FALSE(fs::exists(o.root() / "Work"));

  o.trash.setAvailable(false);
  OrganizeResult r = o.organizer.Delete(o.root() / "News.url", false);
  EXPECT_EQ(r.status, Status::NoTrash);
  EXPECT_EQ(r.message, "\"News\" could not be moved to the trash.");
  EXPECT_TRUE(fs::exists(o.root() / "News.url"));
  EXPECT_TRUE(o.organizer.Delete(o.root() / "News.url", true).ok());
  EXPECT_FALSE(fs::exists(o.root() / "News.url"));
}

TEST(FavoritesOrganizerTest, NothingOutsideTheFavoritesFolderIsDeletedOrMoved) {
  Organize o;
  fs::create_directory_symlink(o.dir.path() / "Outside", o.root() / "LinkOut");
  const fs::path outside = o.dir.path() / "Outside" / "keep.url";
  for (const fs::path& item :
       {outside, o.root() / ".." / "Outside" / "keep.url", o.root() / "LinkOut" / "keep.url",
        o.root(), o.root() / ".", o.root() / "..", o.dir.path() / "Favorites/"}) {
    for (bool permanently : {false, true}) {
      EXPECT_EQ(o.organizer.Delete(item, permanently).status, Status::Refused) << item;
    }
    EXPECT_EQ(o.organizer.Rename(item, "x").status, Status::Refused) << item;
    EXPECT_EQ(o.organizer.Move(item, o.root() / "Work").status, Status::Refused) << item;
  }
  EXPECT_TRUE(fs::exists(outside));
  EXPECT_TRUE(o.trash.trashed().empty());
  // Neither into a folder outside, nor through a link that leads out.
  EXPECT_EQ(o.organizer.Move(o.root() / "News.url", o.dir.path() / "Outside").status,
            Status::Refused);
  EXPECT_EQ(o.organizer.Move(o.root() / "News.url", o.root() / "LinkOut").status, Status::Refused);
  EXPECT_EQ(o.organizer.NewFolder(o.root() / "LinkOut", "x").status, Status::Refused);
  EXPECT_TRUE(fs::exists(o.root() / "News.url"));

  // Deleting the link itself takes the link, never what it points to.
  EXPECT_TRUE(o.organizer.Delete(o.root() / "LinkOut", true).ok());
  EXPECT_FALSE(fs::exists(fs::symlink_status(o.root() / "LinkOut")));
  EXPECT_TRUE(fs::exists(outside));
}

TEST(FavoritesOrganizerTest, NewFoldersAndMovesStayInsideAndReplaceNothing) {
  Organize o;
  OrganizeResult r = o.organizer.NewFolder(o.root() / "Work", "Reading/List");
  ASSERT_TRUE(r.ok()) << r.message;
  EXPECT_EQ(r.path, o.root() / "Work" / "Reading%2FList");
  EXPECT_EQ(o.organizer.NewFolder(o.root() / "Work", "Reading/List").status, Status::Refused);

  r = o.organizer.Move(o.root() / "News.url", r.path);
  ASSERT_TRUE(r.ok()) << r.message;
  EXPECT_EQ(o.dir.readFile("Favorites/Work/Reading%2FList/News.url"), "URL=http://news.example/\n");

  EXPECT_EQ(o.organizer.Move(o.root() / "Work", o.root() / "Work" / "Reading%2FList").status,
            Status::Refused);
  EXPECT_EQ(o.organizer.Move(o.root() / "Work", o.root() / "Work").status, Status::Refused);
  o.dir.writeFile("Favorites/Docs.url", "URL=http://other-docs/\n");
  EXPECT_EQ(o.organizer.Move(o.root() / "Docs.url", o.root() / "Work").status, Status::Refused);
  EXPECT_EQ(o.dir.readFile("Favorites/Work/Docs.url"), "URL=http://docs.example/\n");
  // Back to the top folder.
  EXPECT_TRUE(
      o.organizer.Move(o.root() / "Work" / "Docs.url", o.root() / "Work" / "Reading%2FList").ok());
  EXPECT_TRUE(o.organizer.Move(o.root() / "Work" / "Reading%2FList", o.root()).ok());
  EXPECT_EQ(names(o.organizer.Tree()), "Docs Reading/List {Docs News} Work {old}");
}

}  // namespace
}  // namespace corvane
