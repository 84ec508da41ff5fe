#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "favorites/FavoriteEntry.h"
#include "platform/IAddFavoriteDialog.h"

namespace corvane {

// What the Favorites folder holds, for the dialogs that add and organise favorites: folders and
// Internet shortcuts only, named and ordered as the favorites tree has them, without Corvane's
// temp files. Unreadable folders list as empty; a folder reached again through a link is not
// listed again.
class FavoritesListing {
 public:
  // The folder itself (named by its last component) with everything below it.
  static FavoriteEntry Tree(const std::filesystem::path& root);
  // root itself, then every folder below it, parents before their folders, each level in the
  // tree's order.
  static std::vector<FolderChoice> Folders(const std::filesystem::path& root);
};

}  // namespace corvane
