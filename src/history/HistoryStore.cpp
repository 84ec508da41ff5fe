#include "history/HistoryStore.h"

#include <sqlite3.h>

#include <cstdio>
#include <unordered_map>

#include "history/Frecency.h"
#include "history/HistoryError.h"

namespace corvane {

namespace {

const char kSchema[] =
    "CREATE TABLE IF NOT EXISTS addresses ("
    " id INTEGER PRIMARY KEY,"
    " url TEXT NOT NULL UNIQUE,"
    " title TEXT NOT NULL DEFAULT '',"
    " visit_count INTEGER NOT NULL,"
    " last_visit INTEGER NOT NULL,"
    " rank REAL NOT NULL);"
    "CREATE TABLE IF NOT EXISTS visits ("
    " id INTEGER PRIMARY KEY,"
    " address_id INTEGER NOT NULL REFERENCES addresses(id),"
    " visited INTEGER NOT NULL);"
    // Holding the address too, the History window's list is read from the index alone.
    "CREATE INDEX IF NOT EXISTS visits_by_time ON visits(visited, address_id);"
    "CREATE INDEX IF NOT EXISTS visits_by_address ON visits(address_id);"
    "PRAGMA user_version = 1;";

// A title that is "" keeps the one known: a page is often visited before its title arrives.
const char kVisit[] =
    "INSERT INTO addresses(url, title, visit_count, last_visit, rank) VALUES(?1, ?2, 1, ?3, ?4)"
    " ON CONFLICT(url) DO UPDATE SET"
    " title = CASE WHEN excluded.title = '' THEN title ELSE excluded.title END,"
    " visit_count = visit_count + 1, last_visit = max(last_visit, excluded.last_visit),"
    " rank = corvane_rank_add(rank, excluded.last_visit)";
const char kVisitRow[] =
    "INSERT INTO visits(address_id, visited) SELECT id, ?2 FROM addresses WHERE url = ?1";
const char kTitle[] = "UPDATE addresses SET title = ?2 WHERE url = ?1";
const char kRemoveVisits[] =
    "DELETE FROM visits WHERE address_id IN (SELECT id FROM addresses WHERE url = ?1)";
const char kRemoveAddress[] = "DELETE FROM addresses WHERE url = ?1";
// The addresses a clear touches are counted again from the visits left, or go with the last.
const char* const kClearSince[] = {
    "CREATE TEMP TABLE IF NOT EXISTS touched(id INTEGER PRIMARY KEY)",
    "DELETE FROM temp.touched",
    "INSERT OR IGNORE INTO temp.touched SELECT address_id FROM visits WHERE visited >= ?1",
    "DELETE FROM visits WHERE visited >= ?1",
    "DELETE FROM addresses WHERE id IN temp.touched AND"
    " NOT EXISTS (SELECT 1 FROM visits WHERE address_id = addresses.id)",
    "UPDATE addresses SET"
    " visit_count = (SELECT count(*) FROM visits WHERE address_id = addresses.id),"
    " last_visit = (SELECT max(visited) FROM visits WHERE address_id = addresses.id),"
    " rank = (SELECT corvane_rank(visited) FROM visits WHERE address_id = addresses.id)"
    " WHERE id IN temp.touched",
};
const char kWordClause[] = "(a.title LIKE ?%d ESCAPE '\\' OR a.url LIKE ?%d ESCAPE '\\')";

void rankAdd(sqlite3_context* context, int, sqlite3_value** values) {
  sqlite3_result_double(
      context, Frecency::Visit(sqlite3_value_double(values[0]), sqlite3_value_int64(values[1])));
}

struct RankSum {
  bool any;
  double rank;
};

void rankStep(sqlite3_context* context, int, sqlite3_value** values) {
  auto* sum = static_cast<RankSum*>(sqlite3_aggregate_context(context, sizeof(RankSum)));
  if (!sum) return sqlite3_result_error_nomem(context);
  const sqlite3_int64 at = sqlite3_value_int64(values[0]);
  sum->rank = sum->any ? Frecency::Visit(sum->rank, at) : Frecency::FirstVisit(at);
  sum->any = true;
}

void rankFinal(sqlite3_context* context) {
  auto* sum = static_cast<RankSum*>(sqlite3_aggregate_context(context, 0));
  if (sum && sum->any) return sqlite3_result_double(context, sum->rank);
  sqlite3_result_null(context);
}

// A word as a LIKE pattern that finds it anywhere, its own '%' and '_' taken literally.
std::string likePattern(const std::string& word) {
  std::string pattern = "%";
  for (const char c : word) {
    if (c == '%' || c == '_' || c == '\\') pattern.push_back('\\');
    pattern.push_back(c);
  }
  return pattern + "%";
}

std::string pagesQuery(std::size_t words) {
  std::string sql = "SELECT id, url, title FROM addresses a";
  for (std::size_t i = 1; i <= words; ++i) {
    char clause[sizeof kWordClause + 20];
    std::snprintf(clause, sizeof clause, kWordClause, static_cast<int>(i), static_cast<int>(i));
    sql += (i == 1 ? " WHERE " : " AND ") + std::string(clause);
  }
  return sql;
}

}  // namespace

HistoryStore::HistoryStore(const std::string& path, int busyTimeoutMs) : db_(path, busyTimeoutMs) {
  const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  sqlite3_create_function_v2(db_.handle(), "corvane_rank_add", 2, flags, nullptr, rankAdd, nullptr,
                             nullptr, nullptr);
  sqlite3_create_function_v2(db_.handle(), "corvane_rank", 1, flags, nullptr, nullptr, rankStep,
                             rankFinal, nullptr);
  std::int64_t stored = 0;
  {
    SqliteDatabase::Statement version(db_, "PRAGMA user_version");
    if (version.Step()) stored = version.Int(0);
  }
  if (stored > kSchemaVersion) {
    throw HistoryError(HistoryError::Kind::Newer, "schema " + std::to_string(stored));
  }
  {
    SqliteDatabase::Statement wal(db_, "PRAGMA journal_mode = WAL");
    if (!wal.Step() || wal.Text(0) != "wal") {
      throw HistoryError(HistoryError::Kind::Failed, "no write-ahead log");
    }
  }
  // What the user deletes is overwritten, not only unlinked.
  db_.Execute("PRAGMA synchronous = NORMAL; PRAGMA secure_delete = ON;");
  if (stored < kSchemaVersion) createSchema();
}

void HistoryStore::createSchema() {
  db_.Execute("BEGIN IMMEDIATE");
  try {
    db_.Execute(kSchema);
    db_.Execute("COMMIT");
  } catch (...) {
    sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

void HistoryStore::Apply(const std::vector<HistoryChange>& changes) {
  if (changes.empty()) return;
  bool cleared = false;
  db_.Execute("BEGIN IMMEDIATE");
  try {
    SqliteDatabase::Statement visit(db_, kVisit), visitRow(db_, kVisitRow);
    SqliteDatabase::Statement title(db_, kTitle);
    SqliteDatabase::Statement removeVisits(db_, kRemoveVisits), removeAddress(db_, kRemoveAddress);
    for (const HistoryChange& change : changes) {
      switch (change.kind) {
        case HistoryChange::Kind::Visit:
          visit.Bind(1, change.url).Bind(2, change.title).Bind(3, change.atMs);
          visit.Bind(4, Frecency::FirstVisit(change.atMs)).Run();
          visitRow.Bind(1, change.url).Bind(2, change.atMs).Run();
          break;
        case HistoryChange::Kind::Title:
          title.Bind(1, change.url).Bind(2, change.title).Run();
          break;
        case HistoryChange::Kind::Remove:
          removeVisits.Bind(1, change.url).Run();
          removeAddress.Bind(1, change.url).Run();
          break;
        case HistoryChange::Kind::Clear:
          clear(change);
          cleared = true;
          break;
      }
    }
    db_.Execute("COMMIT");
  } catch (...) {
    sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
  // What was cleared leaves the log too; a reader of another Corvane may hold part of it back.
  if (cleared)
    sqlite3_exec(db_.handle(), "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr);
}

void HistoryStore::clear(const HistoryChange& change) {
  if (change.atMs <= 0) {
    db_.Execute("DELETE FROM visits; DELETE FROM addresses;");
    return;
  }
  for (const char* sql : kClearSince) {
    SqliteDatabase::Statement statement(db_, sql);
    if (std::string(sql).find("?1") != std::string::npos) statement.Bind(1, change.atMs);
    statement.Run();
  }
}

std::vector<HistoryEntry> HistoryStore::Entries() {
  SqliteDatabase::Statement rows(db_,
                                 "SELECT url, title, visit_count, last_visit, rank FROM addresses");
  std::vector<HistoryEntry> entries;
  while (rows.Step()) {
    entries.push_back({rows.Text(0), rows.Text(1), rows.Int(2), rows.Int(3), rows.Real(4)});
  }
  return entries;
}

HistoryVisits HistoryStore::Visits(const TypedWords& words) {
  // The pages once, then the visits as bare numbers from the index on their time: far less to
  // read than each visit joined with its page's texts.
  HistoryVisits found;
  std::unordered_map<std::int64_t, std::uint32_t> pageOf;
  const std::string sql = pagesQuery(words.words().size());
  SqliteDatabase::Statement pages(db_, sql.c_str());
  int parameter = 1;
  for (const std::string& word : words.words()) pages.Bind(parameter++, likePattern(word));
  while (pages.Step()) {
    pageOf.emplace(pages.Int(0), static_cast<std::uint32_t>(found.pages.size()));
    found.pages.push_back({pages.Text(1), pages.Text(2)});
  }
  SqliteDatabase::Statement visits(db_,
                                   "SELECT address_id, visited FROM visits ORDER BY visited DESC");
  while (visits.Step()) {
    const auto page = pageOf.find(visits.Int(0));
    if (page != pageOf.end()) found.visits.push_back({page->second, visits.Int(1)});
  }
  return found;
}

}  // namespace corvane
