#include "panes/FavoriteLinks.h"

namespace corvane {

std::vector<const FavoriteLinks::Link*> FavoriteLinks::Matches(const TypedWords& words,
                                                               std::size_t limit) const {
  std::vector<const Link*> found;
  if (words.empty()) return found;
  for (const Link& link : links_) {
    if (found.size() == limit) break;
    if (words.Matches(link.name, link.address)) found.push_back(&link);
  }
  return found;
}

}  // namespace corvane
