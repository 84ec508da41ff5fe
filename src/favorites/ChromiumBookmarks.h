#pragma once

#include <string>

#include "favorites/Bookmark.h"

namespace corvane {

// The JSON bookmarks file of a Chromium profile ("Bookmarks"): an object whose "roots" hold the
// bookmark bar, the other bookmarks and the synced (mobile) ones, each a node with "type"
// "folder" and "children"; a bookmark is a node with "type" "url", "name" and "url".
class ChromiumBookmarks {
 public:
  // Folders nested deeper than this keep their contents in the deepest one: a file names no
  // path longer than the file system allows.
  static constexpr int kMaxDepth = 64;
  // JSON nested deeper than this is refused: a real file is far shallower.
  static constexpr int kMaxJsonDepth = 512;

  // Each root with any bookmarks becomes a folder of root's, named by the file; members other
  // than those are passed over. Throws BookmarksError: Damaged when the text is not valid JSON,
  // or is nested deeper than kMaxJsonDepth; NotBookmarks when it holds no bookmark roots.
  static Bookmark Parse(const std::string& json);
};

}  // namespace corvane
