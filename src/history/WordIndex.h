#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "history/TypedWords.h"

namespace corvane {

// Items filed under the words of their texts (TypedWords::IndexWords), so that typed words look
// up the items that may hold them instead of reading every one. Items are numbered by their
// owner.
class WordIndex {
 public:
  using Id = std::uint32_t;

  // Files the item under these words (sorted, each once).
  void File(const std::vector<std::string>& words, Id id);
  // Takes the item from under these words.
  void Unfile(const std::vector<std::string>& words, Id id);
  void Clear() { words_.clear(); }

  // The items that may hold every typed word: filed under a word starting with each word's
  // index key; all of ids when no word has a key. proven: every item found holds every word,
  // so it needs no reading. ids: how many items there are (numbered below).
  std::vector<Id> Candidates(const TypedWords& typed, std::size_t ids, bool& proven) const;

 private:
  std::map<std::string, std::vector<Id>, std::less<>> words_;
  // Scratch of Candidates, kept to spare an allocation per key press.
  mutable std::vector<std::uint8_t> marks_;
};

}  // namespace corvane
