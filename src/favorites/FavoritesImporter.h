#pragma once

#include <filesystem>
#include <string>

#include "favorites/Bookmark.h"

namespace corvane {

// What an import did, bookmark by bookmark.
struct ImportSummary {
  int imported = 0;
  // A favorite of the same name and address was there already.
  int alreadyThere = 0;
  // No address a pane can open: empty, or a browser's own query or script.
  int noAddress = 0;
  // The file or its folder could not be written.
  int failed = 0;
};

// Writes bookmarks into the Favorites folder as Internet shortcuts, folders kept as folders.
class FavoritesImporter {
 public:
  // Each bookmark becomes a shortcut in the folder matching its own, named by the favorites'
  // naming rule so that the tree shows its title whole, "<title> (2)" and on where the name is
  // taken. Nothing that exists is ever replaced; a folder that exists already takes the
  // bookmarks of its namesake.
  static ImportSummary Import(const Bookmark& root, const std::filesystem::path& favorites);
  // Whether a pane can open address: not empty, not a browser's own place query or a script.
  static bool Opens(const std::string& address);
};

}  // namespace corvane
