// What the bookmark readers' fuzz targets check alike.
#pragma once

#include <cstdio>
#include <cstdlib>

#include "favorites/Bookmark.h"

namespace fuzz {

inline void check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "bookmarks fuzz: %s\n", what);
    std::abort();
  }
}

// How many folders deep the tree goes below root.
inline int depthOf(const corvane::Bookmark& folder) {
  int deepest = 0;
  for (const corvane::Bookmark& child : folder.children) {
    if (child.folder) {
      const int below = 1 + depthOf(child);
      if (below > deepest) deepest = below;
    }
  }
  return deepest;
}

inline bool same(const corvane::Bookmark& a, const corvane::Bookmark& b) {
  if (a.title != b.title || a.address != b.address || a.folder != b.folder ||
      a.children.size() != b.children.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.children.size(); ++i) {
    if (!same(a.children[i], b.children[i])) return false;
  }
  return true;
}

}  // namespace fuzz
