#pragma once

#include <string>
#include <vector>

#include "history/HistoryChange.h"
#include "history/HistoryEntry.h"
#include "history/HistoryVisits.h"
#include "history/SqliteDatabase.h"
#include "history/TypedWords.h"

namespace corvane {

// The history on disk: an SQLite database with a table of visits and a table of addresses, one
// row each with what its visits add up to (count, last visit, rank), which the address box's
// index is loaded from. One connection in write-ahead-log mode, so that a second running
// Corvane reads and writes the same file; its schema's version is the database's user_version.
// Used by one thread at a time. Failures throw HistoryError.
class HistoryStore {
 public:
  static constexpr int kSchemaVersion = 1;

  // Opens the file, creating it and its tables when missing.
  HistoryStore(const std::string& path, int busyTimeoutMs);

  // Writes the changes, in order, in one transaction.
  void Apply(const std::vector<HistoryChange>& changes);
  // Every address with what its visits add up to.
  std::vector<HistoryEntry> Entries();
  // The visits of pages whose title or address holds every word (anywhere, ASCII letters in
  // either case, nothing a wildcard), newest first; every visit when there are no words.
  HistoryVisits Visits(const TypedWords& words);

 private:
  void createSchema();
  void clear(const HistoryChange& change);

  SqliteDatabase db_;
};

}  // namespace corvane
