#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "favorites/AddressKind.h"
#include "favorites/Bookmark.h"

namespace corvane {

// What an import did, bookmark by bookmark.
struct ImportSummary {
  int imported = 0;
  // A favorite of the same name and address was there already.
  int alreadyThere = 0;
  // Bookmarks whose address a pane can't open on its own, by the kind of address.
  std::map<AddressKind, int> skipped;
  // The file or its folder could not be written.
  int failed = 0;
};

// Writes bookmarks into the Favorites folder as Internet shortcuts, folders kept as folders.
class FavoritesImporter {
 public:
  // Each bookmark with a web or file address becomes a shortcut in the folder matching its own,
  // named by the favorites' naming rule so that the tree shows its title whole, "<title> (2)"
  // and on where the name is taken. Nothing that exists is ever replaced; a folder that exists
  // already takes the bookmarks of its namesake. The shortcuts are written together, each whole
  // or not at all whenever the import is stopped.
  static ImportSummary Import(const Bookmark& root, const std::filesystem::path& favorites);
};

}  // namespace corvane
