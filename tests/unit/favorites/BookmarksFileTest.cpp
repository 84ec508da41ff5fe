#include "favorites/BookmarksFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "PlacesDatabase.h"
#include "TempDir.h"
#include "favorites/ChromiumBookmarks.h"
#include "favorites/FirefoxPlaces.h"
#include "favorites/NetscapeBookmarks.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

constexpr int kNested = 70;

// The titles of the folders on the way down to the first bookmark, and the bookmark's.
std::string pathToFirstLink(const Bookmark& folder) {
  for (const Bookmark& child : folder.children) {
    if (!child.folder) return child.title;
    const std::string below = pathToFirstLink(child);
    if (!below.empty()) return child.title + "/" + below;
  }
  return "";
}

// How many folders deep the tree goes.
int depthOf(const Bookmark& folder) {
  int deepest = 0;
  for (const Bookmark& child : folder.children) {
    if (child.folder) deepest = std::max(deepest, 1 + depthOf(child));
  }
  return deepest;
}

// Folders 1 to depth, each inside the one before, down to `bottom`.
std::string nestedPath(int depth, const std::string& bottom) {
  std::string path;
  for (int i = 1; i <= depth; ++i) path += std::to_string(i) + "/";
  return path + bottom;
}

std::string readError(const fs::path& file) {
  try {
    BookmarksFile::Read(file);
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "(read)";
}

// Folders nested deeper than the limit keep their bookmarks in the deepest one, in each format;
// nothing is lost, and no path grows beyond what the file system takes.
TEST(BookmarksFileTest, FoldersNestedTooDeeplyKeepTheirBookmarksInTheDeepestOne) {
  ASSERT_EQ(NetscapeBookmarks::kMaxDepth, 64);
  ASSERT_EQ(ChromiumBookmarks::kMaxDepth, 64);
  ASSERT_EQ(FirefoxPlaces::kMaxDepth, 64);
  TempDir dir;
  std::string html = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n";
  std::string json = R"({"roots": {"bookmark_bar": {"type": "folder", "name": "0", "children": [)";
  std::string rows = "INSERT INTO moz_bookmarks VALUES ";
  for (int i = 1; i <= kNested; ++i) {
    html += "<DT><H3>" + std::to_string(i) + "</H3>\n<DL><p>\n";
    json += R"({"type": "folder", "name": ")" + std::to_string(i) + R"(", "children": [)";
    // Folder i is row 100 + i, inside the toolbar (row 3) or folder i - 1.
    rows += "(" + std::to_string(100 + i) + ", 2, NULL, " + std::to_string(i == 1 ? 3 : 99 + i) +
            ", 0, '" + std::to_string(i) + "', 'g" + std::to_string(i) + "'), ";
  }
  // An empty folder that deep has nothing to keep.
  html += "<DT><A HREF=\"http://deep.example/\">deep</A>\n<DT><H3>too deep</H3>\n";
  json += R"({"type": "url", "name": "deep", "url": "http://deep.example/"},)"
          R"({"type": "folder", "name": "too deep", "children": []})";
  rows += "(200, 1, 1, " + std::to_string(100 + kNested) + ", 0, 'deep', 'g0');";
  for (int i = 0; i <= kNested; ++i) {
    html += "</DL><p>\n";
    json += "]}";
  }
  PlacesDatabase places(dir.path() / "places.sqlite",
                        rows + "INSERT INTO moz_places VALUES (1, 'http://deep.example/', '');");

  const Bookmark fromHtml = BookmarksFile::Read(dir.writeFile("b.html", html));
  EXPECT_EQ(pathToFirstLink(fromHtml), nestedPath(64, "deep"));
  EXPECT_EQ(depthOf(fromHtml), 64);
  const Bookmark fromJson = BookmarksFile::Read(dir.writeFile("Bookmarks", json + "}}"));
  EXPECT_EQ(pathToFirstLink(fromJson), "0/" + nestedPath(63, "deep"));
  EXPECT_EQ(depthOf(fromJson), 64);
  EXPECT_EQ(pathToFirstLink(BookmarksFile::Read(dir.path() / "places.sqlite")),
            "Bookmarks Toolbar/" + nestedPath(63, "deep"));
}

// Limits that no real file comes near are refused before anything is read.
TEST(BookmarksFileTest, FilesTooLargeOrJsonNestedTooDeeplyAreRefused) {
  TempDir dir;
  // Sparse files: the size is there without the bytes.
  const fs::path text = dir.writeFile("huge.html", "<!DOCTYPE NETSCAPE-Bookmark-file-1>");
  fs::resize_file(text, BookmarksFile::kMaxTextBytes + 1);
  EXPECT_EQ(readError(text), "huge.html is too large for a bookmarks file.");
  const fs::path database = dir.writeFile("places.sqlite", std::string("SQLite format 3", 16));
  fs::resize_file(database, BookmarksFile::kMaxDatabaseBytes + 1);
  EXPECT_EQ(readError(database), "places.sqlite is too large for a bookmarks file.");

  const int levels = ChromiumBookmarks::kMaxJsonDepth;
  const std::string fits =
      R"({"roots": {"x": )" + std::string(levels - 2, '[') + std::string(levels - 2, ']') + "}}";
  EXPECT_EQ(readError(dir.writeFile("Bookmarks", fits)), "(read)");
  const std::string deeper =
      R"({"roots": {"x": )" + std::string(levels - 1, '[') + std::string(levels - 1, ']') + "}}";
  EXPECT_EQ(readError(dir.writeFile("Bookmarks", deeper)),
            "Bookmarks is a bookmarks file, but damaged: it is nested more than 512 levels deep.");
  // A pipe would never end; it is not opened.
  EXPECT_EQ(readError("/dev/zero"), "/dev/zero could not be opened.");
}

// Without its doctype, an HTML file is bookmarks when its first list holds links with the date
// they were added, or folders; the text and links around that list are no bookmarks.
TEST(BookmarksFileTest, AnHtmlFileWithoutItsDoctypeIsKnownByItsList) {
  TempDir dir;
  const Bookmark root = BookmarksFile::Read(dir.writeFile(
      "exported.htm",
      "<p><a href=\"http://before.example/\">before</a></p>\n"
      "<dl><dt><a href=\"http://one.example/\" add_date=\"1\" icon=\"x\">One</a>\n"
      "<dt><h3>Folder</h3><dl><dt><a href=\"http://two.example/\">Two</a></dl>\n"
      "<dt><A HREF=\"http://three.example/\" ADD_DATE=\"2\">Three<dt><H3>Empty</H3></dl>\n"
      "<a href=\"http://after.example/\">after</a>"));
  ASSERT_EQ(root.children.size(), 4u);
  EXPECT_EQ(root.children[0].address, "http://one.example/");
  EXPECT_EQ(root.children[1].children.at(0).title, "Two");
  // An <A> left open ends where the next item begins.
  EXPECT_EQ(root.children[2].title, "Three");
  EXPECT_TRUE(root.children[3].folder);
  for (const char* page : {"<dl><dt><a href=\"http://x.example/\">no date</a></dl>",
                           "<dl><dt>term<dd>meaning</dl>", "<dl></dl>", "<p>no list</p>"}) {
    EXPECT_NE(readError(dir.writeFile("page.html", page)).find("is not a bookmarks file"),
              std::string::npos)
        << page;
  }
}

}  // namespace
}  // namespace corvane
