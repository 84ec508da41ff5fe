#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace corvane {

// A folder or Internet shortcut of the Favorites folder, as the favorites dialogs list it.
struct FavoriteEntry {
  // The name the user sees: a folder's name, a shortcut's name up to ".url".
  std::string name;
  std::filesystem::path path;
  bool folder = false;
  // A folder's folders and shortcuts, in the tree's order (case ignored, folders and shortcuts
  // mixed).
  std::vector<FavoriteEntry> children;
};

}  // namespace corvane
