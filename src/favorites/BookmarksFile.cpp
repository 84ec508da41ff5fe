#include "favorites/BookmarksFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "base/AsciiText.h"
#include "base/AtomicFile.h"
#include "favorites/BookmarksError.h"
#include "favorites/ChromiumBookmarks.h"
#include "favorites/FavoriteName.h"
#include "favorites/FirefoxPlaces.h"
#include "favorites/InternetShortcut.h"
#include "favorites/NetscapeBookmarks.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

const char kNotBookmarks[] =
    "is not a bookmarks file Corvane can read: an HTML bookmarks file, a Firefox places.sqlite "
    "or a Chromium Bookmarks file.";
const char kSqliteHeader[] = "SQLite format 3";  // and its NUL: 16 bytes

[[noreturn]] void tooLarge(const fs::path& file) {
  throw std::runtime_error(file.filename().string() + " is too large for a bookmarks file.");
}

// The file's text, or its first `limit` bytes and one more.
std::string readUpTo(const fs::path& file, std::uintmax_t limit) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error(file.string() + " could not be opened.");
  std::string text;
  char buffer[65536];
  while (text.size() <= limit && in.read(buffer, sizeof buffer).gcount() > 0) {
    text.append(buffer, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) throw std::runtime_error(file.string() + " could not be read.");
  return text;
}

Bookmark readAny(const fs::path& file) {
  std::error_code ec;
  // A pipe or a device would never end.
  if (!fs::is_regular_file(file, ec)) {
    throw std::runtime_error(file.string() + " could not be opened.");
  }
  if (readUpTo(file, 15).compare(0, 16, std::string(kSqliteHeader, 16)) == 0) {
    if (fs::file_size(file, ec) > BookmarksFile::kMaxDatabaseBytes) tooLarge(file);
    try {
      return FirefoxPlaces::Read(file);
    } catch (const BookmarksError&) {
      throw;
    } catch (const std::exception&) {
      throw std::runtime_error(file.string() + " could not be read.");
    }
  }
  const std::string text = readUpTo(file, BookmarksFile::kMaxTextBytes);
  if (text.size() > BookmarksFile::kMaxTextBytes) tooLarge(file);
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  // A byte-order mark may stand before the JSON.
  const std::size_t brace = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : first;
  if (brace < text.size() && text[brace] == '{')
    return ChromiumBookmarks::Parse(text.substr(brace));
  return NetscapeBookmarks::Parse(text);
}

bool lessNoCase(const Bookmark& a, const Bookmark& b) {
  return std::lexicographical_compare(a.title.begin(), a.title.end(), b.title.begin(),
                                      b.title.end(),
                                      [](char x, char y) { return asciiLower(x) < asciiLower(y); });
}

void readFolder(const fs::path& folder, Bookmark& into, std::size_t& count) {
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    std::error_code ec;
    const std::string name = entry.path().filename().string();
    if (entry.is_directory(ec) && !entry.is_symlink(ec)) {
      Bookmark child = Bookmark::Folder(FavoriteName::FolderName(name));
      readFolder(entry.path(), child, count);
      into.children.push_back(std::move(child));
      continue;
    }
    const std::optional<std::string> title = FavoriteName::ShortcutName(name);
    if (!title || AtomicFile::isTempName(name) || !entry.is_regular_file(ec)) continue;
    std::string address;
    try {
      address = InternetShortcut::ReadAddress(entry.path());
    } catch (const std::system_error&) {
      continue;
    }
    if (address.empty()) continue;
    into.children.push_back(Bookmark::Link(*title, address));
    ++count;
  }
  std::stable_sort(into.children.begin(), into.children.end(), lessNoCase);
}

}  // namespace

Bookmark BookmarksFile::Read(const fs::path& file) {
  const std::string name = file.filename().string();
  try {
    return readAny(file);
  } catch (const BookmarksError& error) {
    if (error.kind() == BookmarksError::Kind::NotBookmarks) {
      throw std::runtime_error(name + " " + kNotBookmarks);
    }
    throw std::runtime_error(name + " is a bookmarks file, but damaged: " + error.what() + ".");
  }
}

Bookmark BookmarksFile::ReadFavorites(const fs::path& folder, std::size_t& count) {
  count = 0;
  Bookmark root = Bookmark::Folder("");
  readFolder(folder, root, count);
  return root;
}

}  // namespace corvane
