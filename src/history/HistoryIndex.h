#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "history/HistoryEntry.h"
#include "history/TypedWords.h"
#include "history/WordIndex.h"

namespace corvane {

// The history in memory, for the address box: a key press is answered from here, never from
// the disk. Entries are filed under the words of their title and address and under their host,
// so that a typed word looks up the entries that hold it rather than reading them all. Used on
// one thread.
class HistoryIndex {
 public:
  HistoryIndex() = default;
  HistoryIndex(const HistoryIndex&) = delete;
  HistoryIndex& operator=(const HistoryIndex&) = delete;
  HistoryIndex(HistoryIndex&&) = default;
  HistoryIndex& operator=(HistoryIndex&&) = default;

  // Replaces everything with these entries (the store's, at start and after a clear).
  void Reset(std::vector<HistoryEntry> entries);
  // A visit: the address is added or its count, last visit and rank go up; a title that is not
  // "" replaces the one kept.
  void Visit(const std::string& url, const std::string& title, std::int64_t atMs);
  // The page's title changed after its visit.
  void SetTitle(const std::string& url, const std::string& title);
  void Remove(const std::string& url);
  // Every entry last visited at or after sinceMs.
  void RemoveVisitedSince(std::int64_t sinceMs);

  std::size_t size() const { return byUrl_.size(); }
  // The entry of that address; nullptr when there is none.
  const HistoryEntry* Find(const std::string& url) const;

  // The entries whose title or address holds every typed word, highest rank first, at most
  // limit of them.
  std::vector<const HistoryEntry*> Matches(const TypedWords& words, std::size_t limit) const;
  // The typed text completed to the host of the best ranked address it starts (its host, with
  // or without "www.", behind an optional "http://" or "https://"): "deb" becomes "debian.org".
  // The typed text itself when no host completes it or it is more than a host.
  std::string HostCompletion(const std::string& typed) const;
  // A host (lower case, without a port) of an address in the history; "www.x" also counts for x.
  bool IsKnownHost(const std::string& host) const;

  // The host of an address in lower case, without user or port; "" for an address without one.
  static std::string HostOf(const std::string& url);

 private:
  using Id = WordIndex::Id;

  Id add(HistoryEntry entry);
  std::vector<std::string> wordsOf(const HistoryEntry& entry) const;
  std::vector<std::string> hostKeysOf(const std::string& url) const;

  std::vector<HistoryEntry> entries_;
  std::vector<bool> live_;
  std::vector<Id> free_;
  std::unordered_map<std::string, Id> byUrl_;
  WordIndex words_;
  // Hosts, and hosts without "www.", with the entries on them.
  std::map<std::string, std::vector<Id>, std::less<>> hosts_;
};

}  // namespace corvane
