#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "history/TypedWords.h"
#include "history/WordIndex.h"

namespace corvane {

// The favorites as the address box suggests them: each one's name and address, in the order of
// the favorites tree.
class FavoriteLinks {
 public:
  struct Link {
    std::string name;
    std::string address;
  };

  FavoriteLinks() = default;
  explicit FavoriteLinks(std::vector<Link> links);
  FavoriteLinks(const FavoriteLinks&) = delete;
  FavoriteLinks& operator=(const FavoriteLinks&) = delete;
  // Moved whole into the place of the links they replace.
  FavoriteLinks(FavoriteLinks&&) = default;
  FavoriteLinks& operator=(FavoriteLinks&&) = default;

  // The favorites whose name or address holds every typed word, in order, at most limit.
  std::vector<const Link*> Matches(const TypedWords& words, std::size_t limit) const;
  std::size_t size() const { return links_.size(); }

 private:
  std::vector<Link> links_;
  WordIndex words_;
};

}  // namespace corvane
