#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "favorites/FavoriteEntry.h"

namespace corvane {

// What the Favorites folder holds, for the dialogs that add and organise favorites: folders and
// Internet shortcuts only, as the favorites tree has them. Unreadable folders list as empty; a
// folder reached again through a link is not listed again.
class FavoritesListing {
 public:
  // The folder itself (named by its last component) with everything below it.
  static FavoriteEntry Tree(const std::filesystem::path& root);
  // Every folder below root as a path relative to it, '/' between names, parents before their
  // folders, each level in the tree's order; "" (root itself) first.
  static std::vector<std::string> Folders(const std::filesystem::path& root);
};

}  // namespace corvane
