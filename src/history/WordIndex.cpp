#include "history/WordIndex.h"

#include <algorithm>

#include "base/AsciiText.h"

namespace corvane {

void WordIndex::File(const std::vector<std::string>& words, Id id) {
  for (const std::string& word : words) words_[word].push_back(id);
}

void WordIndex::Unfile(const std::vector<std::string>& words, Id id) {
  for (const std::string& word : words) {
    const auto found = words_.find(word);
    if (found == words_.end()) continue;
    std::vector<Id>& ids = found->second;
    const auto at = std::find(ids.begin(), ids.end(), id);
    if (at != ids.end()) {
      *at = ids.back();
      ids.pop_back();
    }
    if (ids.empty()) words_.erase(found);
  }
}

std::vector<WordIndex::Id> WordIndex::Candidates(const TypedWords& typed, std::size_t ids,
                                                 bool& proven) const {
  std::vector<std::string> keys;
  proven = true;
  for (const std::string& word : typed.words()) {
    bool keysProve = false;
    for (std::string& key : TypedWords::IndexKeys(word, keysProve)) keys.push_back(std::move(key));
    proven = proven && keysProve;
  }
  std::sort(keys.begin(), keys.end());
  keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
  std::vector<Id> found;
  if (keys.empty()) {
    for (Id id = 0; id < ids; ++id) found.push_back(id);
    return found;
  }
  // An item counts once per key, however many of its words start with it. Typed text is cut
  // short enough for the count to fit a byte.
  marks_.assign(ids, 0);
  for (std::size_t k = 0; k < keys.size(); ++k) {
    const bool last = k + 1 == keys.size();
    for (auto word = words_.lower_bound(keys[k]);
         word != words_.end() && startsWith(word->first, keys[k]); ++word) {
      for (const Id id : word->second) {
        if (marks_[id] != k) continue;
        marks_[id] = static_cast<std::uint8_t>(k + 1);
        if (last) found.push_back(id);
      }
    }
  }
  return found;
}

}  // namespace corvane
