#pragma once

#include <filesystem>
#include <stdexcept>

#include "favorites/Bookmark.h"

namespace corvane {

// The bookmarks of a Firefox profile's places.sqlite: the rows of moz_bookmarks (type 1 a
// bookmark, 2 a folder, 3 a separator) under the root row, addresses from moz_places.
class FirefoxPlaces {
 public:
  // Folders nested deeper than this keep their contents in the deepest one: a file names no
  // path longer than the file system allows.
  static constexpr int kMaxDepth = 64;

  // The database is copied, with its write-ahead log, to a temp folder first and the copy opened
  // read-only: the running browser holds a lock on the original, which stays untouched. The
  // bookmarks menu's bookmarks become root's own children; the toolbar, the other and the
  // mobile bookmarks a folder each; tags are not bookmarks. Throws BookmarksError: Damaged when
  // the copy fails its integrity check, NotBookmarks when it holds no Firefox bookmarks; and
  // std::runtime_error when the file can't be copied.
  static Bookmark Read(const std::filesystem::path& places);
};

}  // namespace corvane
