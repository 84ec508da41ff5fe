#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <stdexcept>
#include <string>

namespace corvane {

// A Firefox places database as the import reads it: the tables as the database documents them,
// the columns the import reads, the roots a profile always has (root 1; menu 2, toolbar 3,
// tags 4, other 5, mobile 6), then `rows` (SQL inserts) on top. Kept open until destroyed.
class PlacesDatabase {
 public:
  PlacesDatabase(const std::filesystem::path& file, const std::string& rows) {
    std::filesystem::create_directories(file.parent_path());
    if (sqlite3_open(file.c_str(), &db_) != SQLITE_OK) throw std::runtime_error("no database");
    exec(
        "PRAGMA page_size=512;"
        "CREATE TABLE moz_places (id INTEGER PRIMARY KEY, url LONGVARCHAR, title LONGVARCHAR);"
        "CREATE TABLE moz_bookmarks (id INTEGER PRIMARY KEY, type INTEGER, fk INTEGER DEFAULT "
        "NULL, parent INTEGER, position INTEGER, title LONGVARCHAR, guid TEXT);"
        "INSERT INTO moz_bookmarks VALUES (1, 2, NULL, 0, 0, '', 'root________'),"
        " (2, 2, NULL, 1, 0, 'menu', 'menu________'), (3, 2, NULL, 1, 1, 'toolbar',"
        " 'toolbar_____'), (4, 2, NULL, 1, 2, 'tags', 'tags________'), (5, 2, NULL, 1, 3,"
        " 'unfiled', 'unfiled_____'), (6, 2, NULL, 1, 4, 'mobile', 'mobile______');");
    exec(rows);
  }
  ~PlacesDatabase() { sqlite3_close(db_); }
  PlacesDatabase(const PlacesDatabase&) = delete;
  PlacesDatabase& operator=(const PlacesDatabase&) = delete;

  void exec(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
      const std::string message = error ? error : "failed";
      sqlite3_free(error);
      throw std::runtime_error(message);
    }
  }

 private:
  sqlite3* db_ = nullptr;
};

}  // namespace corvane
