#include "favorites/FavoritesTransfer.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "FakeFileDialog.h"
#include "FakeMessageBox.h"
#include "TempDir.h"
#include "favorites/DirRecurse.h"
#include "favorites/InternetShortcut.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

struct Rig {
  Rig()
      : folder((dir.path() / "Favorites").string()),
        transfer(folder, dialog, box, [this] { ++shown; }) {}
  // Every shortcut under the Favorites folder by its relative path, with its address; a folder
  // without shortcuts stands with "(folder)".
  Files favorites() const {
    Files files;
    const fs::path root = dir.path() / "Favorites";
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
      const std::string name = entry.path().lexically_relative(root).string();
      files[name] = entry.is_directory() ? "(folder)" : InternetShortcut::ReadAddress(entry.path());
    }
    return files;
  }
  void import(const fs::path& file) {
    dialog.choose(file.string());
    transfer.ImportFavorites();
  }

  TempDir dir;
  FakeFileDialog dialog;
  FakeMessageBox box;
  FavoritesFolder folder;
  FavoritesTransfer transfer;
  int shown = 0;
};

// As the format's description has it: a <DL> per folder, its name in the <H3> before it.
const char kHtml[] = R"(<!DOCTYPE NETSCAPE-Bookmark-file-1>
<!-- This is an automatically generated file. <DL> in a comment is no list -->
<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">
<TITLE>Bookmarks</TITLE>
<H1>Bookmarks</H1>
<DL><p>
    <DT><H3 ADD_DATE="1700000000" PERSONAL_TOOLBAR_FOLDER="true">Tool&amp;bar</H3>
    <DL><p>
        <DT><A HREF="http://news.example/?a=1&amp;b=2" ADD_DATE="1700000000">News &amp;
            Views &#233;&#x263A;</A>
        <DT><H3>Empty</H3>
        <DL><p>
        </DL><p>
    </DL><p>
    <DT><a href='http://lower.example/'>lower case</a>
    <DD>A description, which is no bookmark
    <DT><A HREF="place:sort=8&amp;maxResults=10">Recent Tags</A>
    <DT><A HREF="http://a.example/one">Same Name</A>
    <DT><A HREF="http://a.example/two">Same Name</A>
    <DT><A HREF="http://slash.example/">a/b: c.url</A>
</DL><p>
)";

TEST(FavoritesTransferTest, AnHtmlFileKeepsItsFoldersAndNeverReplacesAFavorite) {
  Rig rig;
  rig.dir.writeFile("Favorites/lower case.url", "[InternetShortcut]\nURL=http://mine.example/\n");
  rig.import(rig.dir.writeFile("bookmarks.html", kHtml));

  EXPECT_EQ(
      rig.favorites(),
      (Files{{"Tool&bar", "(folder)"},
             {"Tool&bar/News & Views \xC3\xA9\xE2\x98\xBA.url", "http://news.example/?a=1&b=2"},
             {"Tool&bar/Empty", "(folder)"},
             {"lower case.url", "http://mine.example/"},
             {"lower case (2).url", "http://lower.example/"},
             {"Same Name.url", "http://a.example/one"},
             {"Same Name (2).url", "http://a.example/two"},
             {"a%2Fb: c%2Eurl.url", "http://slash.example/"}}));
  EXPECT_EQ(rig.box.texts().back(), "5 favorites imported.\n1 skipped:\n  1 without a web address");
  EXPECT_EQ(rig.shown, 1);

  // The same file again adds nothing and says why.
  rig.import(rig.dir.path() / "bookmarks.html");
  EXPECT_EQ(rig.favorites().size(), 8u);
  EXPECT_EQ(rig.box.texts().back(),
            "0 favorites imported.\n6 skipped:\n  5 already among the favorites\n  1 without a "
            "web address");
  EXPECT_EQ(rig.shown, 1);
}

// Titles go by the naming rule: the tree shows each as titled, whatever its characters.
TEST(FavoritesTransferTest, ImportedFavoritesAndFoldersAreShownAsTitled) {
  Rig rig;
  rig.import(rig.dir.writeFile("odd.html", R"(<!DOCTYPE NETSCAPE-Bookmark-file-1>
<DL><p>
    <DT><H3>.hidden/folder</H3>
    <DL><p>
        <DT><A HREF="http://a.example/">50%2F off</A>
    </DL><p>
    <DT><A HREF="http://b.example/">100%25 sure</A>
    <DT><A HREF="http://c.example/">.profile</A>
</DL><p>
)"));
  FakeMessageBox quiet;
  TreeNodes tree;
  DirRecurse(quiet).RecurseDirTV(tree, rig.folder.GetFavoritesFolder());
  std::string shown;
  for (int i = 2; i <= tree.Count(); ++i) {
    shown += "[" + tree.Item(i).Text + "=" + tree.Item(i).Tag + "]";
  }
  EXPECT_EQ(shown,
            "[.hidden/folder=][50%2F off=http://a.example/][100%25 sure=http://b.example/]"
            "[.profile=http://c.example/]");
}

TEST(FavoritesTransferTest, AChromiumBookmarksFileBringsItsRootsWithBookmarksAsFolders) {
  Rig rig;
  // As the profile's "Bookmarks" file is laid out: roots, each a folder node with children.
  rig.import(rig.dir.writeFile("Bookmarks", R"({
   "checksum": "0123456789abcdef0123456789abcdef",
   "roots": {
      "bookmark_bar": {
         "children": [ {
            "date_added": "13300000000000000", "id": "5", "name": "Caf\u00e9 \ud83d\ude00",
            "type": "url", "url": "http://cafe.example/"
         }, {
            "children": [ { "id": "7", "name": "Deep", "type": "url",
                            "url": "https://deep.example/x?y=\"z\"" } ],
            "id": "6", "name": "Sub", "type": "folder"
         } ],
         "id": "1", "name": "Bookmarks bar", "type": "folder"
      },
      "other": { "children": [ ], "id": "2", "name": "Other bookmarks", "type": "folder" },
      "synced": { "children": [ { "id": "8", "name": "", "type": "url",
                                  "url": "http://phone.example/" } ],
                  "id": "3", "name": "Mobile bookmarks", "type": "folder" }
   },
   "version": 1
})"));
  EXPECT_EQ(rig.favorites(),
            (Files{{"Bookmarks bar", "(folder)"},
                   {"Bookmarks bar/Caf\xC3\xA9 \xF0\x9F\x98\x80.url", "http://cafe.example/"},
                   {"Bookmarks bar/Sub", "(folder)"},
                   {"Bookmarks bar/Sub/Deep.url", "https://deep.example/x?y=\"z\""},
                   {"Mobile bookmarks", "(folder)"},
                   {"Mobile bookmarks/http:%2F%2Fphone.example%2F.url", "http://phone.example/"}}));
  EXPECT_EQ(rig.box.texts().back(), "3 favorites imported.");
}

void exec(sqlite3* db, const char* sql) {
  char* error = nullptr;
  ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, &error), SQLITE_OK) << error;
}

TEST(FavoritesTransferTest, AFirefoxDatabaseIsReadFromACopyWhileTheBrowserHoldsItLocked) {
  Rig rig;
  const fs::path places = rig.dir.path() / "profile" / "places.sqlite";
  fs::create_directories(places.parent_path());
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(places.c_str(), &db), SQLITE_OK);
  // The tables as the places database documents them, the columns the import reads.
  exec(db,
       "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR);"
       "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER DEFAULT "
       "NULL, parent INTEGER, position INTEGER, title LONGVARCHAR, guid TEXT);"
       "INSERT INTO moz_places VALUES (100, 'http://second.example/', 'Page title'),"
       " (101, 'http://first.example/', 'From Places'), (102, 'http://wiki.example/', NULL),"
       " (103, 'place:tag=x', NULL);"
       "INSERT INTO moz_bookmarks VALUES (1, 2, NULL, 0, 0, '', 'root________'),"
       " (2, 2, NULL, 1, 0, 'menu', 'menu________'), (3, 2, NULL, 1, 1, 'toolbar',"
       " 'toolbar_____'), (4, 2, NULL, 1, 2, 'tags', 'tags________'), (5, 2, NULL, 1, 3,"
       " 'unfiled', 'unfiled_____'), (6, 2, NULL, 1, 4, 'mobile', 'mobile______'),"
       " (10, 1, 100, 2, 1, 'Second', 'a'), (11, 1, 101, 2, 0, NULL, 'b'),"
       " (12, 3, NULL, 2, 2, NULL, 'c'), (13, 2, NULL, 3, 0, 'Work', 'd'),"
       " (14, 1, 102, 13, 0, 'Wiki', 'e'), (15, 2, NULL, 4, 0, 'mytag', 'f'),"
       " (16, 1, 100, 15, 0, NULL, 'g'), (17, 1, 103, 5, 0, 'Smart', 'h');");
  // The browser keeps its database locked while it runs.
  exec(db, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE;");
  const std::string before = rig.dir.readFile("profile/places.sqlite");

  rig.import(places);
  EXPECT_EQ(rig.favorites(), (Files{{"From Places.url", "http://first.example/"},
                                    {"Second.url", "http://second.example/"},
                                    {"Bookmarks Toolbar", "(folder)"},
                                    {"Bookmarks Toolbar/Work", "(folder)"},
                                    {"Bookmarks Toolbar/Work/Wiki.url", "http://wiki.example/"},
                                    {"Other Bookmarks", "(folder)"}}));
  EXPECT_EQ(rig.box.texts().back(), "3 favorites imported.\n1 skipped:\n  1 without a web address");
  EXPECT_EQ(rig.dir.readFile("profile/places.sqlite"), before);
  sqlite3_close(db);
  // The copy is gone with the import.
  for (const auto& entry : fs::directory_iterator(fs::temp_directory_path())) {
    EXPECT_EQ(entry.path().filename().string().rfind("corvane-places-", 0), std::string::npos);
  }
}

TEST(FavoritesTransferTest, AFileOfNoKnownFormatIsReportedAndNothingIsWritten) {
  Rig rig;
  for (const char* text : {"just some text", "{ \"roots\": [", "SQLite format 3\0garbage"}) {
    rig.import(rig.dir.writeFile("notes.txt", std::string(text, std::strlen(text) + 1)));
    EXPECT_EQ(rig.box.texts().back(),
              "notes.txt is not a bookmarks file Corvane can read: an HTML bookmarks file, a "
              "Firefox places.sqlite or a Chromium Bookmarks file.");
    EXPECT_EQ(rig.box.shown().back().icon, MsgBoxIcon::Exclamation);
  }
  EXPECT_FALSE(fs::exists(rig.dir.path() / "Favorites"));
  EXPECT_EQ(rig.shown, 0);
  // Cancelling the dialog does nothing at all.
  const std::size_t boxes = rig.box.shown().size();
  rig.import("");
  EXPECT_EQ(rig.box.shown().size(), boxes);
}

TEST(FavoritesTransferTest, ExportedFavoritesImportAsTheyWere) {
  Rig rig;
  rig.import(rig.dir.writeFile("bookmarks.html", kHtml));
  const Files original = rig.favorites();
  const fs::path exported = rig.dir.path() / "out.html";
  rig.dialog.choose(exported.string());
  rig.transfer.ExportFavorites();
  EXPECT_EQ(rig.dialog.requests().back().defaultExt, "html");
  EXPECT_EQ(rig.box.texts().back(), "5 favorites exported to " + exported.string() + ".");

  fs::rename(rig.dir.path() / "Favorites", rig.dir.path() / "Before");
  rig.import(exported);
  EXPECT_EQ(rig.favorites(), original);
}

}  // namespace
}  // namespace corvane
