#include "history/HistoryIndex.h"

#include <algorithm>
#include <iterator>

#include "base/AsciiText.h"
#include "history/Frecency.h"

namespace corvane {

namespace {

const char kWww[] = "www.";

bool isSchemeByte(char c) {
  return TypedWords::IsWordByte(c) && static_cast<unsigned char>(c) < 0x80;
}

// What follows "http://" or "https://" in a typed text, or the text itself.
std::string_view withoutWebScheme(std::string_view lower) {
  for (std::string_view scheme : {"http://", "https://"}) {
    if (startsWith(lower, scheme)) return lower.substr(scheme.size());
  }
  return lower;
}

std::vector<std::string> without(const std::vector<std::string>& all,
                                 const std::vector<std::string>& these) {
  std::vector<std::string> rest;
  std::set_difference(all.begin(), all.end(), these.begin(), these.end(), std::back_inserter(rest));
  return rest;
}

}  // namespace

std::string HistoryIndex::HostOf(const std::string& url) {
  const std::size_t mark = url.find("://");
  if (mark == std::string::npos || mark == 0 ||
      !std::all_of(url.begin(), url.begin() + static_cast<std::ptrdiff_t>(mark), isSchemeByte)) {
    return {};
  }
  const std::size_t start = mark + 3;
  const std::size_t end = std::min(url.find_first_of("/?#", start), url.size());
  std::string host = url.substr(start, end - start);
  const std::size_t user = host.rfind('@');
  if (user != std::string::npos) host.erase(0, user + 1);
  const std::size_t colon = host.rfind(':');
  if (colon != std::string::npos && host.find(']', colon) == std::string::npos) host.erase(colon);
  return asciiLower(std::move(host));
}

void HistoryIndex::Reset(std::vector<HistoryEntry> entries) {
  entries_.clear();
  live_.clear();
  free_.clear();
  byUrl_.clear();
  words_.Clear();
  hosts_.clear();
  // Room for the pages of this run too, so that recording one seldom moves them all.
  const std::size_t room = entries.size() + entries.size() / 4 + 1024;
  entries_.reserve(room);
  live_.reserve(room);
  byUrl_.reserve(room);
  for (HistoryEntry& entry : entries) {
    if (byUrl_.count(entry.url) == 0) add(std::move(entry));
  }
}

HistoryIndex::Id HistoryIndex::add(HistoryEntry entry) {
  Id id = static_cast<Id>(entries_.size());
  if (free_.empty()) {
    entries_.push_back(std::move(entry));
    live_.push_back(true);
  } else {
    id = free_.back();
    free_.pop_back();
    entries_[id] = std::move(entry);
    live_[id] = true;
  }
  const HistoryEntry& added = entries_[id];
  byUrl_.emplace(added.url, id);
  words_.File(wordsOf(added), id);
  for (const std::string& host : hostKeysOf(added.url)) hosts_[host].push_back(id);
  return id;
}

void HistoryIndex::Visit(const std::string& url, const std::string& title, std::int64_t atMs) {
  const auto found = byUrl_.find(url);
  if (found == byUrl_.end()) {
    add({url, title, 1, atMs, Frecency::FirstVisit(atMs)});
    return;
  }
  if (!title.empty()) SetTitle(url, title);
  HistoryEntry& entry = entries_[found->second];
  ++entry.visitCount;
  entry.lastVisitMs = std::max(entry.lastVisitMs, atMs);
  entry.rank = Frecency::Visit(entry.rank, atMs);
}

void HistoryIndex::SetTitle(const std::string& url, const std::string& title) {
  const auto found = byUrl_.find(url);
  if (found == byUrl_.end() || entries_[found->second].title == title) return;
  const Id id = found->second;
  const std::vector<std::string> before = wordsOf(entries_[id]);
  entries_[id].title = title;
  const std::vector<std::string> after = wordsOf(entries_[id]);
  words_.Unfile(without(before, after), id);
  words_.File(without(after, before), id);
}

void HistoryIndex::Remove(const std::string& url) {
  const auto found = byUrl_.find(url);
  if (found == byUrl_.end()) return;
  const Id id = found->second;
  words_.Unfile(wordsOf(entries_[id]), id);
  for (const std::string& host : hostKeysOf(url)) {
    std::vector<Id>& ids = hosts_[host];
    ids.erase(std::remove(ids.begin(), ids.end(), id), ids.end());
    if (ids.empty()) hosts_.erase(host);
  }
  byUrl_.erase(found);
  entries_[id] = {};
  live_[id] = false;
  free_.push_back(id);
}

void HistoryIndex::RemoveVisitedSince(std::int64_t sinceMs) {
  std::vector<std::string> urls;
  for (const auto& [url, id] : byUrl_) {
    if (entries_[id].lastVisitMs >= sinceMs) urls.push_back(url);
  }
  for (const std::string& url : urls) Remove(url);
}

const HistoryEntry* HistoryIndex::Find(const std::string& url) const {
  const auto found = byUrl_.find(url);
  return found == byUrl_.end() ? nullptr : &entries_[found->second];
}

std::vector<std::string> HistoryIndex::wordsOf(const HistoryEntry& entry) const {
  std::vector<std::string> words = TypedWords::IndexWords(entry.title);
  const std::vector<std::string> address = TypedWords::IndexWords(entry.url);
  std::vector<std::string> all;
  std::set_union(words.begin(), words.end(), address.begin(), address.end(),
                 std::back_inserter(all));
  return all;
}

std::vector<std::string> HistoryIndex::hostKeysOf(const std::string& url) const {
  const std::string host = HostOf(url);
  if (host.empty()) return {};
  if (startsWith(host, kWww) && host.size() > sizeof(kWww) - 1) {
    return {host, host.substr(sizeof(kWww) - 1)};
  }
  return {host};
}

std::vector<const HistoryEntry*> HistoryIndex::Matches(const TypedWords& words,
                                                       std::size_t limit) const {
  if (words.empty() || limit == 0) return {};
  bool proven = false;
  const std::vector<Id> ids = words_.Candidates(words, entries_.size(), proven);
  std::vector<const HistoryEntry*> found;
  for (const Id id : ids) {
    const HistoryEntry& entry = entries_[id];
    if (live_[id] && (proven || words.Matches(entry.title, entry.url))) found.push_back(&entry);
  }
  const auto better = [](const HistoryEntry* a, const HistoryEntry* b) {
    if (a->rank != b->rank) return a->rank > b->rank;
    return a->url < b->url;
  };
  const std::size_t kept = std::min(limit, found.size());
  std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(kept), found.end(),
                    better);
  found.resize(kept);
  return found;
}

std::string HistoryIndex::HostCompletion(const std::string& typed) const {
  if (typed.empty() || typed.size() > TypedWords::kMaxTypedBytes) return typed;
  const std::string lower = asciiLower(typed);
  const std::string_view start = withoutWebScheme(lower);
  if (start.empty() || start.find_first_of(" \t/?#:@") != std::string_view::npos) return typed;
  const HistoryEntry* best = nullptr;
  std::string_view bestHost;
  for (auto host = hosts_.lower_bound(start);
       host != hosts_.end() && startsWith(host->first, start); ++host) {
    for (const Id id : host->second) {
      if (!best || entries_[id].rank > best->rank) {
        best = &entries_[id];
        bestHost = host->first;
      }
    }
  }
  if (!best) return typed;
  return typed + std::string(bestHost.substr(start.size()));
}

bool HistoryIndex::IsKnownHost(const std::string& host) const { return hosts_.count(host) > 0; }

}  // namespace corvane
