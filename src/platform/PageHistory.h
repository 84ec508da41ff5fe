#pragma once

#include <string>
#include <vector>

namespace corvane {

// One entry of a page's back/forward history.
struct PageHistoryEntry {
  std::string address;
  std::string title;

  bool operator==(const PageHistoryEntry& other) const {
    return address == other.address && title == other.title;
  }
};

// A page's back/forward history: its entries, oldest first, and the one the page shows.
struct PageHistory {
  std::vector<PageHistoryEntry> entries;
  // Index into entries; -1 while there are none.
  int current = -1;

  bool operator==(const PageHistory& other) const {
    return entries == other.entries && current == other.current;
  }
};

}  // namespace corvane
