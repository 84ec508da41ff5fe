#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The words a user typed, as they are matched against the titles and addresses of pages: the
// text split at blanks, ASCII letters in either case, every other character as typed (quotes,
// "%", "_", "*" and non-ASCII letters included; none is a wildcard). A word matches where it
// starts a word of the text, after a character that is neither a letter nor a digit ("wiki"
// matches "en.wikipedia.org", "pedia" does not); a word that itself begins with such a character
// matches anywhere.
//
// Only the first kMaxTypedBytes of what is typed count, in at most kMaxWords words, and only the
// first kMaxTextBytes of a text are searched, so that a key press costs the same whatever is
// pasted or visited.
class TypedWords {
 public:
  static constexpr std::size_t kMaxTypedBytes = 256;  // at most 128 runs of letters
  static constexpr std::size_t kMaxWords = 8;
  static constexpr std::size_t kMaxTextBytes = 2048;
  // Longer words of a text are indexed by their start.
  static constexpr std::size_t kIndexedWordBytes = 24;

  explicit TypedWords(std::string_view typed);

  bool empty() const { return words_.empty(); }
  // The words, ASCII letters in lower case.
  const std::vector<std::string>& words() const { return words_; }

  // Every word matches in one text or the other.
  bool Matches(std::string_view title, std::string_view address) const;
  // The word matches in the text.
  static bool WordMatches(std::string_view text, std::string_view word);

  // The words of a text under which an index files it: its runs of letters, digits and non-ASCII
  // characters, ASCII in lower case, each cut to kIndexedWordBytes; every one once.
  static std::vector<std::string> IndexWords(std::string_view text);
  // What a typed word is looked up by in such an index: its runs of letters, digits and
  // non-ASCII characters, cut like the index's words. Each starts a word of any text the typed
  // word matches (the first where the typed word starts, the others after a character that is
  // not a word's); none when the word is all punctuation. `proven` says whether an entry filed
  // under a word starting with the key certainly matches (the typed word is one run, uncut).
  static std::vector<std::string> IndexKeys(std::string_view word, bool& proven);
  // A letter, a digit, or a byte of a non-ASCII character.
  static bool IsWordByte(char c);

 private:
  std::vector<std::string> words_;
};

}  // namespace corvane
