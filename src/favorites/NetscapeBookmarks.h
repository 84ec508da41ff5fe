#pragma once

#include <string>

#include "favorites/Bookmark.h"

namespace corvane {

// The HTML bookmarks file every browser imports and exports: a <DL> list per folder, a folder's
// name in the <H3> before its list, a bookmark as <DT><A HREF="address">title</A>.
class NetscapeBookmarks {
 public:
  // Folders nested deeper than this keep their contents in the deepest one: a file names no
  // path longer than the file system allows.
  static constexpr int kMaxDepth = 64;

  // The bookmarks of the file's top-level list, as children of a root folder. Tags and
  // attribute names are read without regard to case, character references are decoded; anything
  // else in the file is passed over. Throws BookmarksError: NotBookmarks when the file neither
  // has the bookmarks file's doctype nor a first list whose items are links with the date they
  // were added, or folders (a page's definition list holds terms); Damaged when it ends before
  // its top-level list does.
  static Bookmark Parse(const std::string& html);
  // The file's text for root's children, UTF-8.
  static std::string Write(const Bookmark& root);
};

}  // namespace corvane
