#include "panes/AddressSuggester.h"

#include <algorithm>

#include "base/AsciiText.h"
#include "base/Guarded.h"

namespace corvane {

namespace {

const char kSearchFor[] = "Search for ";
const char kEllipsis[] = "\xE2\x80\xA6";

// The words as the search entry shows them: a long text cut, not inside a character.
std::string shownWords(const std::string& words) {
  std::size_t n = AddressSuggester::kShownWordsBytes;
  if (words.size() <= n) return words;
  while (n > 0 && (static_cast<unsigned char>(words[n]) & 0xC0) == 0x80) --n;
  return words.substr(0, n) + kEllipsis;
}

}  // namespace

AddressSuggester::AddressSuggester(const AddressSearch& search, History& history,
                                   const FavoriteLinks& favorites)
    : search_(search), history_(history), favorites_(favorites) {}

std::vector<Suggestion> AddressSuggester::Suggest(const std::string& typed,
                                                  const IBrowserControl& otherPane) const {
  std::vector<Suggestion> list;
  const std::string words = trimSpace(typed);
  if (words.empty()) return list;
  const std::string searched = search_.SearchAddressFor(words);
  if (!searched.empty())
    list.push_back({Suggestion::Kind::Search, kSearchFor + shownWords(words), searched});
  const auto listed = [&](const std::string& address) {
    return std::any_of(list.begin(), list.end(),
                       [&](const Suggestion& entry) { return entry.address == address; });
  };

  const TypedWords typedWords(words);
  for (const HistoryEntry* entry : history_.Index().Matches(typedWords, kHistoryEntries)) {
    if (listed(entry->url)) continue;
    list.push_back(
        {Suggestion::Kind::History, entry->title.empty() ? entry->url : entry->title, entry->url});
  }
  for (const FavoriteLinks::Link* link : favorites_.Matches(typedWords, kFavoriteEntries)) {
    if (!listed(link->address))
      list.push_back({Suggestion::Kind::Favorite, link->name, link->address});
  }
  std::string url, title;
  guarded([&] {
    url = otherPane.LocationURL();
    title = otherPane.LocationName();
  });
  if (!url.empty() && !listed(url) && typedWords.Matches(title, url)) {
    list.push_back({Suggestion::Kind::OtherPane, title.empty() ? url : title, url});
  }
  return list;
}

std::string AddressSuggester::Completion(const std::string& typed) const {
  return history_.Index().HostCompletion(typed);
}

}  // namespace corvane
