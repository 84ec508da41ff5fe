#pragma once

#include <cstdint>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace corvane {

// One connection to an SQLite database file. Failures throw HistoryError, by what they mean to
// the history. Values reach SQL only as bound parameters.
class SqliteDatabase {
 public:
  // A prepared statement; parameters are numbered from 1, columns from 0.
  class Statement {
   public:
    Statement(SqliteDatabase& database, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& Bind(int parameter, const std::string& text);
    Statement& Bind(int parameter, std::int64_t number);
    Statement& Bind(int parameter, double number);
    // The next row: true while there is one.
    bool Step();
    // Runs it to its end, then makes it ready to run again with new parameters.
    void Run();
    std::string Text(int column) const;
    std::int64_t Int(int column) const;
    double Real(int column) const;

   private:
    SqliteDatabase& database_;
    sqlite3_stmt* statement_ = nullptr;
  };

  // Opens the file, creating it when missing, waiting up to busyTimeoutMs for another
  // connection's lock.
  SqliteDatabase(const std::string& path, int busyTimeoutMs);
  ~SqliteDatabase();
  SqliteDatabase(const SqliteDatabase&) = delete;
  SqliteDatabase& operator=(const SqliteDatabase&) = delete;

  // Runs SQL without parameters, one statement or several.
  void Execute(const char* sql);
  sqlite3* handle() { return db_; }
  // Throws the error of a result code, with the connection's message.
  [[noreturn]] void Fail(int resultCode);

 private:
  sqlite3* db_ = nullptr;
};

}  // namespace corvane
