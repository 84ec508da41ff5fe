#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>

#include "favorites/Bookmark.h"

namespace corvane {

// The bookmarks files of other browsers, told apart by their content, and the favorites folder
// read as bookmarks for export.
class BookmarksFile {
 public:
  // Larger HTML and JSON files are not read: no bookmarks file comes near it.
  static constexpr std::uintmax_t kMaxTextBytes = 64 * 1024 * 1024;
  // Larger databases are not read: a places database holds the history too, yet stays smaller.
  static constexpr std::uintmax_t kMaxDatabaseBytes = 1024 * 1024 * 1024;

  // The bookmarks in file: a Firefox places database (by its SQLite header), a Chromium
  // "Bookmarks" file (JSON) or an HTML bookmarks file. Throws std::runtime_error with a
  // sentence for the user when it is none of them, is damaged, too large or can't be read.
  static Bookmark Read(const std::filesystem::path& file);

  // The Internet shortcuts under folder and its subfolders, in the order the tree shows them
  // (case ignored); a subfolder reached through a link is not followed. count is set to the
  // number of shortcuts. Throws std::filesystem::filesystem_error when folder can't be listed.
  static Bookmark ReadFavorites(const std::filesystem::path& folder, std::size_t& count);
};

}  // namespace corvane
