#include "favorites/FirefoxPlaces.h"

#include <sqlite3.h>
#include <stdlib.h>

#include <map>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "favorites/BookmarksError.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

constexpr int kBookmark = 1;
constexpr int kFolder = 2;

struct Row {
  long long id = 0;
  int type = 0;
  std::string title;
  std::string guid;
  std::string address;
  std::vector<std::size_t> children;
};

// A private folder under the temp folder, removed with what it holds.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "corvane-places-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("no temp folder");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

[[noreturn]] void damaged(const char* detail) {
  throw BookmarksError(BookmarksError::Kind::Damaged, detail);
}

class Database {
 public:
  explicit Database(const fs::path& file) {
    const int rc = sqlite3_open_v2(file.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr);
    if (rc != SQLITE_OK) damaged("its database can't be opened");
  }
  ~Database() { sqlite3_close(db_); }
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  // A damaged database may give some rows and lose others without a word.
  void checkIntegrity() {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, "PRAGMA integrity_check", -1, &statement, nullptr) != SQLITE_OK) {
      damaged("its database can't be read");
    }
    const bool ok = sqlite3_step(statement) == SQLITE_ROW && text(statement, 0) == "ok";
    sqlite3_finalize(statement);
    if (!ok) damaged("its database fails its integrity check");
  }

  std::vector<Row> rows() {
    static const char kQuery[] =
        "SELECT b.id, b.type, b.parent, COALESCE(b.title, p.title, ''), COALESCE(b.guid, ''),"
        " COALESCE(p.url, '') FROM moz_bookmarks b LEFT JOIN moz_places p ON b.fk = p.id"
        " ORDER BY b.parent, b.position, b.id";
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, kQuery, -1, &statement, nullptr) != SQLITE_OK) {
      throw BookmarksError(BookmarksError::Kind::NotBookmarks, "it holds no Firefox bookmarks");
    }
    std::vector<Row> rows;
    std::vector<long long> parents;
    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
      Row row;
      row.id = sqlite3_column_int64(statement, 0);
      row.type = sqlite3_column_int(statement, 1);
      parents.push_back(sqlite3_column_int64(statement, 2));
      row.title = text(statement, 3);
      row.guid = text(statement, 4);
      row.address = text(statement, 5);
      rows.push_back(std::move(row));
    }
    sqlite3_finalize(statement);
    if (rc != SQLITE_DONE) damaged("its database can't be read");
    std::map<long long, std::size_t> byId;
    for (std::size_t i = 0; i < rows.size(); ++i) byId[rows[i].id] = i;
    for (std::size_t i = 0; i < rows.size(); ++i) {
      const auto parent = byId.find(parents[i]);
      if (parent != byId.end() && parent->second != i) rows[parent->second].children.push_back(i);
    }
    return rows;
  }

 private:
  static std::string text(sqlite3_stmt* statement, int column) {
    const unsigned char* value = sqlite3_column_text(statement, column);
    return value ? reinterpret_cast<const char*>(value) : "";
  }
  sqlite3* db_ = nullptr;
};

// The bookmarks below folder, in order, all into `into`: without recursion, for a database may
// chain folders far deeper than any stack.
void addFlattened(const std::vector<Row>& rows, const Row& folder, Bookmark& into) {
  std::vector<std::pair<const Row*, std::size_t>> open{{&folder, 0}};
  while (!open.empty()) {
    auto& [row, next] = open.back();
    if (next == row->children.size()) {
      open.pop_back();
      continue;
    }
    const Row& child = rows[row->children[next++]];
    if (child.type == kBookmark)
      into.children.push_back(Bookmark::Link(child.title, child.address));
    if (child.type == kFolder) open.emplace_back(&child, 0);
  }
}

void addChildren(const std::vector<Row>& rows, const Row& folder, int depth, Bookmark& into) {
  for (std::size_t i : folder.children) {
    const Row& row = rows[i];
    if (row.type == kBookmark) {
      into.children.push_back(Bookmark::Link(row.title, row.address));
    } else if (row.type == kFolder && depth >= FirefoxPlaces::kMaxDepth) {
      addFlattened(rows, row, into);
    } else if (row.type == kFolder) {
      Bookmark child = Bookmark::Folder(row.title);
      addChildren(rows, row, depth + 1, child);
      into.children.push_back(std::move(child));
    }
  }
}

}  // namespace

Bookmark FirefoxPlaces::Read(const fs::path& places) {
  const ScratchFolder scratch;
  const fs::path copy = scratch.path() / "places.sqlite";
  fs::copy_file(places, copy);
  // Recent changes may still stand in the log beside the database.
  fs::path log = places;
  log += "-wal";
  std::error_code ec;
  if (fs::is_regular_file(log, ec)) fs::copy_file(log, scratch.path() / "places.sqlite-wal");

  Database database(copy);
  database.checkIntegrity();
  const std::vector<Row> rows = database.rows();
  const Row* top = nullptr;
  for (const Row& row : rows) {
    if (row.guid == "root________") top = &row;
  }
  if (!top) throw BookmarksError(BookmarksError::Kind::NotBookmarks, "it holds no bookmarks root");

  static const std::map<std::string, std::string> kRootNames = {
      {"toolbar_____", "Bookmarks Toolbar"},
      {"unfiled_____", "Other Bookmarks"},
      {"mobile______", "Mobile Bookmarks"}};
  Bookmark root = Bookmark::Folder("");
  for (std::size_t i : top->children) {
    const Row& row = rows[i];
    if (row.guid == "tags________") continue;
    if (row.guid == "menu________") {
      addChildren(rows, row, 1, root);
      continue;
    }
    if (row.type != kFolder) {
      addChildren(rows, Row{0, 0, "", "", "", {i}}, 1, root);
      continue;
    }
    const auto known = kRootNames.find(row.guid);
    Bookmark folder = Bookmark::Folder(known != kRootNames.end() ? known->second : row.title);
    addChildren(rows, row, 1, folder);
    if (!folder.children.empty()) root.children.push_back(std::move(folder));
  }
  return root;
}

}  // namespace corvane
