#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "browser/AddressSearch.h"
#include "history/History.h"
#include "panes/FavoriteLinks.h"
#include "platform/IBrowserControl.h"
#include "platform/Suggestion.h"

namespace corvane {

// What the address box suggests for a typed text, computed from memory alone: first a search
// for the words, then pages of the history that hold every word, best ranked first (how often
// and how lately they were visited), then favorites by name and address, then the page the
// other pane shows. An address is suggested once, where it comes first.
class AddressSuggester {
 public:
  static constexpr std::size_t kHistoryEntries = 8;
  static constexpr std::size_t kFavoriteEntries = 4;
  // How much of the typed words the search entry shows.
  static constexpr std::size_t kShownWordsBytes = 80;

  AddressSuggester(const AddressSearch& search, History& history, const FavoriteLinks& favorites);
  AddressSuggester(const AddressSuggester&) = delete;
  AddressSuggester& operator=(const AddressSuggester&) = delete;

  // The list for the typed text; none for a blank one.
  std::vector<Suggestion> Suggest(const std::string& typed, const IBrowserControl& otherPane) const;
  // The typed text with the host of the best ranked address it starts completed ("deb" to
  // "debian.org"); the typed text itself when none does.
  std::string Completion(const std::string& typed) const;

 private:
  const AddressSearch& search_;
  History& history_;
  const FavoriteLinks& favorites_;
};

}  // namespace corvane
