#pragma once

#include <stdexcept>
#include <string>

#include "favorites/Bookmark.h"

namespace corvane {

// The JSON bookmarks file of a Chromium profile ("Bookmarks"): an object whose "roots" hold the
// bookmark bar, the other bookmarks and the synced (mobile) ones, each a node with "type"
// "folder" and "children"; a bookmark is a node with "type" "url", "name" and "url".
class ChromiumBookmarks {
 public:
  // Folders nested deeper than this are not read; a real file is far shallower.
  static constexpr int kMaxDepth = 64;

  // Each root with any bookmarks becomes a folder of root's, named by the file; members other
  // than those are passed over. Throws std::runtime_error when the text is not such a file.
  static Bookmark Parse(const std::string& json);
};

}  // namespace corvane
