#pragma once

#include <string>

namespace corvane {

// One entry of the list that drops below an address box as the user types.
struct Suggestion {
  enum class Kind {
    Search,     // the typed words, searched for
    History,    // a page visited before
    Favorite,   // a favorite
    OtherPane,  // the page the other pane shows
  };
  Kind kind = Kind::Search;
  // What the entry shows first: "Search for ..." , a page's title, a favorite's name.
  std::string title;
  // The address the entry opens, shown beside its title.
  std::string address;

  bool operator==(const Suggestion& other) const {
    return kind == other.kind && title == other.title && address == other.address;
  }
};

}  // namespace corvane
