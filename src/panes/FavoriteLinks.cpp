#include "panes/FavoriteLinks.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace corvane {

FavoriteLinks::FavoriteLinks(std::vector<Link> links) : links_(std::move(links)) {
  for (std::size_t i = 0; i < links_.size(); ++i) {
    const std::vector<std::string> name = TypedWords::IndexWords(links_[i].name);
    const std::vector<std::string> address = TypedWords::IndexWords(links_[i].address);
    std::vector<std::string> words;
    std::set_union(name.begin(), name.end(), address.begin(), address.end(),
                   std::back_inserter(words));
    words_.File(words, static_cast<WordIndex::Id>(i));
  }
}

std::vector<const FavoriteLinks::Link*> FavoriteLinks::Matches(const TypedWords& words,
                                                               std::size_t limit) const {
  std::vector<const Link*> found;
  if (words.empty()) return found;
  bool proven = false;
  std::vector<WordIndex::Id> ids = words_.Candidates(words, links_.size(), proven);
  std::sort(ids.begin(), ids.end());
  for (const WordIndex::Id id : ids) {
    if (found.size() == limit) break;
    const Link& link = links_[id];
    if (proven || words.Matches(link.name, link.address)) found.push_back(&link);
  }
  return found;
}

}  // namespace corvane
