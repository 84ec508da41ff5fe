#include "favorites/BookmarksFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "base/AsciiText.h"
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

std::string readAll(const fs::path& file) {
  std::error_code ec;
  const auto size = fs::file_size(file, ec);
  if (!ec && size > BookmarksFile::kMaxBytes) {
    throw std::runtime_error(file.filename().string() + " is too large for a bookmarks file.");
  }
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error(file.string() + " could not be opened.");
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw std::runtime_error(file.string() + " could not be read.");
  return text;
}

// Whether html holds a <DL> tag, which every bookmarks file has, even an empty one.
bool hasListTag(const std::string& html) {
  for (std::size_t i = html.find('<'); i != std::string::npos; i = html.find('<', i + 1)) {
    if (startsWithNoCase(std::string_view(html).substr(i), "<dl")) return true;
  }
  return false;
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
    if (!title || !entry.is_regular_file(ec)) continue;
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
  const std::string text = readAll(file);
  const std::string name = file.filename().string();
  static const std::string kSqlite("SQLite format 3", 16);
  if (text.compare(0, kSqlite.size(), kSqlite) == 0) {
    try {
      return FirefoxPlaces::Read(file);
    } catch (const std::exception&) {
      throw std::runtime_error(name + " " + kNotBookmarks);
    }
  }
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  // A byte-order mark may stand before the JSON.
  const std::size_t brace = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : first;
  if (brace < text.size() && text[brace] == '{') {
    try {
      return ChromiumBookmarks::Parse(text.substr(brace));
    } catch (const std::exception&) {
      throw std::runtime_error(name + " " + kNotBookmarks);
    }
  }
  Bookmark root = NetscapeBookmarks::Parse(text);
  if (root.children.empty() && !hasListTag(text)) {
    throw std::runtime_error(name + " " + kNotBookmarks);
  }
  return root;
}

Bookmark BookmarksFile::ReadFavorites(const fs::path& folder, std::size_t& count) {
  count = 0;
  Bookmark root = Bookmark::Folder("");
  readFolder(folder, root, count);
  return root;
}

}  // namespace corvane
