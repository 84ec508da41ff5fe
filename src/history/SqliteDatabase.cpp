#include "history/SqliteDatabase.h"

#include <sqlite3.h>

#include "history/HistoryError.h"

namespace corvane {

namespace {

HistoryError::Kind kindOf(int resultCode) {
  switch (resultCode & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      return HistoryError::Kind::Locked;
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
      return HistoryError::Kind::Damaged;
    default:
      return HistoryError::Kind::Failed;
  }
}

}  // namespace

SqliteDatabase::SqliteDatabase(const std::string& path, int busyTimeoutMs) {
  const int rc =
      sqlite3_open_v2(path.c_str(), &db_,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc != SQLITE_OK) {
    const std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    sqlite3_close(db_);
    db_ = nullptr;
    throw HistoryError(kindOf(rc), message);
  }
  sqlite3_extended_result_codes(db_, 1);
  sqlite3_busy_timeout(db_, busyTimeoutMs);
}

SqliteDatabase::~SqliteDatabase() { sqlite3_close_v2(db_); }

void SqliteDatabase::Fail(int resultCode) {
  throw HistoryError(kindOf(resultCode), sqlite3_errmsg(db_));
}

void SqliteDatabase::Execute(const char* sql) {
  const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
  if (rc != SQLITE_OK) Fail(rc);
}

SqliteDatabase::Statement::Statement(SqliteDatabase& database, const char* sql)
    : database_(database) {
  const int rc = sqlite3_prepare_v2(database_.db_, sql, -1, &statement_, nullptr);
  if (rc != SQLITE_OK) database_.Fail(rc);
}

SqliteDatabase::Statement::~Statement() { sqlite3_finalize(statement_); }

SqliteDatabase::Statement& SqliteDatabase::Statement::Bind(int parameter, const std::string& text) {
  const int rc = sqlite3_bind_text64(statement_, parameter, text.data(), text.size(),
                                     SQLITE_TRANSIENT, SQLITE_UTF8);
  if (rc != SQLITE_OK) database_.Fail(rc);
  return *this;
}

SqliteDatabase::Statement& SqliteDatabase::Statement::Bind(int parameter, std::int64_t number) {
  const int rc = sqlite3_bind_int64(statement_, parameter, number);
  if (rc != SQLITE_OK) database_.Fail(rc);
  return *this;
}

SqliteDatabase::Statement& SqliteDatabase::Statement::Bind(int parameter, double number) {
  const int rc = sqlite3_bind_double(statement_, parameter, number);
  if (rc != SQLITE_OK) database_.Fail(rc);
  return *this;
}

bool SqliteDatabase::Statement::Step() {
  const int rc = sqlite3_step(statement_);
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  sqlite3_reset(statement_);
  database_.Fail(rc);
}

void SqliteDatabase::Statement::Run() {
  while (Step()) {
  }
  sqlite3_reset(statement_);
  sqlite3_clear_bindings(statement_);
}

std::string SqliteDatabase::Statement::Text(int column) const {
  const auto* text = sqlite3_column_text(statement_, column);
  const int size = sqlite3_column_bytes(statement_, column);
  return text ? std::string(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size))
              : std::string();
}

std::int64_t SqliteDatabase::Statement::Int(int column) const {
  return sqlite3_column_int64(statement_, column);
}

double SqliteDatabase::Statement::Real(int column) const {
  return sqlite3_column_double(statement_, column);
}

}  // namespace corvane
