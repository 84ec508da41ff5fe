#pragma once

#include <string>

#include "panes/FavoriteLinks.h"
#include "platform/TreeNodes.h"

namespace corvane {

// The favorites the address boxes suggest as the user types: each link of the Favorites folder
// by the name the tree shows and its address, in the tree's order. Kept with the folder by the
// favorites commands: read at start, taken from the tree whenever it is built, and read again
// when a favorite has been added or the folder organised.
class SuggestedFavorites {
 public:
  SuggestedFavorites() = default;
  SuggestedFavorites(const SuggestedFavorites&) = delete;
  SuggestedFavorites& operator=(const SuggestedFavorites&) = delete;

  // The same object for the whole run: what it holds is replaced in place.
  const FavoriteLinks& Links() const { return links_; }

  // Every Internet shortcut in folder and below. What can't be read is passed over without a
  // word: the tree, when it is built, says so.
  void Read(const std::string& folder);
  // The links of a tree just built from the folder: what it shows, without reading it again.
  void Take(const TreeNodes& tree);

 private:
  FavoriteLinks links_;
};

}  // namespace corvane
