#include "favorites/FavoritesTransfer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "FakeFileDialog.h"
#include "FakeMessageBox.h"
#include "PlacesDatabase.h"
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
const char kHtml[] = R"html(<!DOCTYPE NETSCAPE-Bookmark-file-1>
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
    <DT><A HREF="javascript:alert(document.title)">Bookmarklet</A>
    <DT><A HREF="http://a.example/one">Same Name</A>
    <DT><A HREF="http://a.example/two">Same Name</A>
    <DT><A HREF="http://slash.example/">a/b: c.url</A>
</DL><p>
)html";

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
  EXPECT_EQ(rig.box.texts().back(),
            "5 favorites imported.\n2 skipped:\n  1 running a script (javascript:)\n  1 showing a "
            "browser's own page (about:, chrome:, edge:, place:)");
  EXPECT_EQ(rig.box.shown().back().icon, MsgBoxIcon::Information);
  EXPECT_EQ(rig.shown, 1);

  // The same file again adds nothing and says why.
  rig.import(rig.dir.path() / "bookmarks.html");
  EXPECT_EQ(rig.favorites().size(), 8u);
  EXPECT_EQ(rig.box.texts().back(),
            "0 favorites imported.\n7 skipped:\n  5 already among the favorites\n  1 running a "
            "script (javascript:)\n  1 showing a browser's own page (about:, chrome:, edge:, "
            "place:)");
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
      "other": { "children": [ { "id": "9", "name": "Settings", "type": "url",
                                 "url": "chrome://settings/" } ],
                 "id": "2", "name": "Other bookmarks", "type": "folder" },
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
                   {"Mobile bookmarks/http:%2F%2Fphone.example%2F.url", "http://phone.example/"},
                   {"Other bookmarks", "(folder)"}}));
  EXPECT_EQ(rig.box.texts().back(),
            "3 favorites imported.\n1 skipped:\n  1 showing a browser's own page (about:, chrome:, "
            "edge:, place:)");
}

TEST(FavoritesTransferTest, AFirefoxDatabaseIsReadFromACopyWhileTheBrowserHoldsItLocked) {
  Rig rig;
  const fs::path places = rig.dir.path() / "profile" / "places.sqlite";
  PlacesDatabase db(
      places,
      "INSERT INTO moz_places VALUES (100, 'http://second.example/', 'Page title'),"
      " (101, 'http://first.example/', 'From Places'), (102, 'http://wiki.example/', NULL),"
      " (103, 'place:tag=x', NULL), (104, 'javascript:void(0)', NULL);"
      "INSERT INTO moz_bookmarks VALUES (10, 1, 100, 2, 1, 'Second', 'a'),"
      " (11, 1, 101, 2, 0, NULL, 'b'), (12, 3, NULL, 2, 2, NULL, 'c'),"
      " (13, 2, NULL, 3, 0, 'Work', 'd'), (14, 1, 102, 13, 0, 'Wiki', 'e'),"
      " (15, 2, NULL, 4, 0, 'mytag', 'f'), (16, 1, 100, 15, 0, NULL, 'g'),"
      " (17, 1, 103, 5, 0, 'Smart', 'h'), (18, 1, 104, 13, 1, 'Script', 'i');");
  // The browser keeps its database locked while it runs.
  db.exec("PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE;");
  const std::string before = rig.dir.readFile("profile/places.sqlite");

  rig.import(places);
  EXPECT_EQ(rig.favorites(), (Files{{"From Places.url", "http://first.example/"},
                                    {"Second.url", "http://second.example/"},
                                    {"Bookmarks Toolbar", "(folder)"},
                                    {"Bookmarks Toolbar/Work", "(folder)"},
                                    {"Bookmarks Toolbar/Work/Wiki.url", "http://wiki.example/"},
                                    {"Other Bookmarks", "(folder)"}}));
  EXPECT_EQ(rig.box.texts().back(),
            "3 favorites imported.\n2 skipped:\n  1 running a script (javascript:)\n  1 showing "
            "a browser's own page (about:, chrome:, edge:, place:)");
  EXPECT_EQ(rig.dir.readFile("profile/places.sqlite"), before);
  // The copy is gone with the import.
  for (const auto& entry : fs::directory_iterator(fs::temp_directory_path())) {
    EXPECT_EQ(entry.path().filename().string().rfind("corvane-places-", 0), std::string::npos);
  }
}

// Only addresses that stand on their own become favorites; the others are told by their kind.
TEST(FavoritesTransferTest, OnlyWebAndFileAddressesBecomeFavorites) {
  Rig rig;
  std::string html = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n";
  for (const char* address :
       {"https://web.example/", " http://padded.example/\n", "file:///home/u/notes.html",
        "FILE:/home/u/b.pdf", "", "index.html", "../up/", "//host.example/", "#section",
        "javascript:void(0)", "data:text/html,<p>x</p>", "chrome://settings/", "edge://flags/",
        "about:blank", "place:sort=8", "mailto:a@b.example", "ftp://files.example/", "http:/x"}) {
    html += "<DT><A HREF=\"" + std::string(address) + "\">" + address + "</A>\n";
  }
  rig.import(rig.dir.writeFile("kinds.html", html + "</DL><p>\n"));
  EXPECT_EQ(rig.favorites(),
            (Files{{"https:%2F%2Fweb.example%2F.url", "https://web.example/"},
                   {"http:%2F%2Fpadded.example%2F.url", "http://padded.example/"},
                   {"file:%2F%2F%2Fhome%2Fu%2Fnotes.html.url", "file:///home/u/notes.html"},
                   {"FILE:%2Fhome%2Fu%2Fb.pdf.url", "FILE:/home/u/b.pdf"}}));
  EXPECT_EQ(rig.box.texts().back(),
            "4 favorites imported.\n14 skipped:\n  1 without an address\n  3 with a relative "
            "address\n  1 pointing within a page (#)\n  1 running a script (javascript:)\n  1 "
            "holding data (data:)\n  4 showing a browser's own page (about:, chrome:, edge:, "
            "place:)\n  3 with another kind of address (mailto:, ftp:, ...)");
}

// A documentation page: definition lists of terms, relative links, a pilcrow anchor.
const char kDocumentation[] = R"(<!DOCTYPE html>
<html><head><title>Options</title></head><body>
<h1>Options<a class="headerlink" href="#options">&para;</a></h1>
<dl class="option"><dt id="verbose"><code>--verbose</code><a href="#verbose">&para;</a></dt>
<dd>Says more. See <a href="index.html">index</a>.</dd></dl>
<p><a href="next.html">next</a></p>
</body></html>
)";

// What is not bookmarks, or is damaged, is refused whole, and says which it is.
TEST(FavoritesTransferTest, WhatIsNoBookmarksFileOrDamagedIsRefusedWithNothingWritten) {
  const std::string notBookmarks =
      " is not a bookmarks file Corvane can read: an HTML bookmarks file, a Firefox "
      "places.sqlite or a Chromium Bookmarks file.";
  const std::string damaged = " is a bookmarks file, but damaged: ";
  std::string truncated = kHtml;
  truncated.resize(truncated.find("<DT><A HREF=\"http://a.example/two"));
  Rig rig;
  const fs::path corrupt = rig.dir.path() / "places.sqlite";
  {
    std::string rows = "INSERT INTO moz_places VALUES ";
    for (int i = 0; i < 200; ++i) {
      rows += (i ? "," : "") + std::string("(") + std::to_string(100 + i) + ", 'http://x/" +
              std::to_string(i) + "', 'Title')";
    }
    PlacesDatabase db(corrupt, rows);
  }
  // Pages of a table overwritten: the header still says SQLite.
  std::string bytes = rig.dir.readFile("places.sqlite");
  for (std::size_t at = 2048; at < bytes.size(); at += 7) bytes[at] = '\x5A';
  rig.dir.writeFile("places.sqlite", bytes);

  const struct {
    std::string name;
    std::string text;
    std::string message;
  } cases[] = {
      {"notes.txt", "just some text", "notes.txt" + notBookmarks},
      {"options.html", kDocumentation, "options.html" + notBookmarks},
      {"roots.json", R"({"roots": [1, 2]})", "roots.json" + notBookmarks},
      {"bookmarks.html", truncated,
       "bookmarks.html" + damaged + "it ends before its list of bookmarks does."},
      {"Bookmarks", R"({ "roots": { "bookmark_bar": { "type": "folder", "children": [ )",
       "Bookmarks" + damaged + "it is not valid JSON (at byte 64)."},
      {"places.sqlite", "", "places.sqlite" + damaged + "its database fails its integrity check."},
  };
  for (const auto& c : cases) {
    const fs::path file = c.text.empty() ? corrupt : rig.dir.writeFile(c.name, c.text);
    rig.import(file);
    EXPECT_EQ(rig.box.texts().back(), c.message + "\nNothing was imported.") << c.name;
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
