#include "favorites/SuggestedFavorites.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeMessageBox.h"
#include "TempDir.h"
#include "favorites/DirRecurse.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

// "name=address" of each favorite whose name or address holds the words, in order.
Strings found(const SuggestedFavorites& favorites, const std::string& words = "example") {
  Strings shown;
  for (const FavoriteLinks::Link* link : favorites.Links().Matches(TypedWords(words), 100)) {
    shown.push_back(link->name + "=" + link->address);
  }
  return shown;
}

struct Folder {
  Folder() {
    dir.writeFile("Favorites/zeta.url", "[InternetShortcut]\r\nURL=http://zeta.example/\r\n");
    dir.writeFile("Favorites/Work/Alpha.url", "URL=http://alpha.example/\n");
    dir.writeFile("Favorites/Work/Deep/in.url", "URL=http://deep.example/in\n");
    dir.writeFile("Favorites/a%2Fb.url", "URL=http://slash.example/\n");
    // Neither a link nor anything at all is suggested for these.
    dir.writeFile("Favorites/broken.url", "[InternetShortcut]\n");
    dir.writeFile("Favorites/notes.txt", "URL=http://notes.example/\n");
    std::filesystem::create_directories(dir.path() / "Favorites/Empty");
  }
  std::string path() const { return (dir.path() / "Favorites").string(); }
  TempDir dir;
};

TEST(SuggestedFavoritesTest, EveryLinkOfTheFolderByItsShownNameInTheTreesOrder) {
  Folder folder;
  SuggestedFavorites favorites;
  favorites.Read(folder.path());
  const Strings expected = {"a/b=http://slash.example/", "Alpha=http://alpha.example/",
                            "in=http://deep.example/in", "zeta=http://zeta.example/"};
  EXPECT_EQ(found(favorites), expected);
  EXPECT_EQ(found(favorites, "work"), Strings{}) << "a folder's name is not a favorite's";

  // The tree built from the same folder gives the same links, without reading it again.
  TreeNodes tree;
  FakeMessageBox messageBox;
  DirRecurse(messageBox).RecurseDirTV(tree, folder.path());
  SuggestedFavorites fromTree;
  fromTree.Take(tree);
  EXPECT_EQ(found(fromTree), expected);

  // Read again, it holds what the folder holds now; the same object all along.
  const FavoriteLinks* links = &favorites.Links();
  std::filesystem::remove_all(folder.dir.path() / "Favorites/Work");
  favorites.Read(folder.path());
  EXPECT_EQ(found(favorites), (Strings{"a/b=http://slash.example/", "zeta=http://zeta.example/"}));
  EXPECT_EQ(&favorites.Links(), links);
}

TEST(SuggestedFavoritesTest, AMissingFolderHasNoneAndIsNotCreated) {
  TempDir dir;
  SuggestedFavorites favorites;
  favorites.Read((dir.path() / "Favorites").string());
  favorites.Read("");
  EXPECT_EQ(favorites.Links().size(), 0u);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "Favorites"));
}

}  // namespace
}  // namespace corvane
