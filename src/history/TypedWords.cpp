#include "history/TypedWords.h"

#include <algorithm>

#include "base/AsciiText.h"

namespace corvane {

namespace {

// The text cut to at most n bytes, not inside a UTF-8 sequence.
std::string_view cut(std::string_view text, std::size_t n) {
  if (text.size() <= n) return text;
  while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  return text.substr(0, n);
}

bool equalsFolded(std::string_view text, std::size_t at, std::string_view lowerWord) {
  for (std::size_t i = 0; i < lowerWord.size(); ++i) {
    if (asciiLower(text[at + i]) != lowerWord[i]) return false;
  }
  return true;
}

}  // namespace

bool TypedWords::IsWordByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x80 || (byte >= '0' && byte <= '9') || (byte >= 'a' && byte <= 'z') ||
         (byte >= 'A' && byte <= 'Z');
}

TypedWords::TypedWords(std::string_view typed) {
  typed = cut(typed, kMaxTypedBytes);
  std::size_t at = 0;
  while (at < typed.size() && words_.size() < kMaxWords) {
    while (at < typed.size() && isAsciiSpace(typed[at])) ++at;
    const std::size_t start = at;
    while (at < typed.size() && !isAsciiSpace(typed[at])) ++at;
    if (at > start) words_.push_back(asciiLower(std::string(typed.substr(start, at - start))));
  }
}

bool TypedWords::WordMatches(std::string_view text, std::string_view word) {
  text = cut(text, kMaxTextBytes);
  if (word.empty() || word.size() > text.size()) return word.empty();
  const bool anywhere = !IsWordByte(word[0]);
  const char lower = word[0];
  const char upper = asciiUpper(lower);
  for (std::size_t at = 0; at + word.size() <= text.size(); ++at) {
    if (text[at] != lower && text[at] != upper) continue;
    if (!anywhere && at > 0 && IsWordByte(text[at - 1])) continue;
    if (equalsFolded(text, at, word)) return true;
  }
  return false;
}

bool TypedWords::Matches(std::string_view title, std::string_view address) const {
  return std::all_of(words_.begin(), words_.end(), [&](const std::string& word) {
    return WordMatches(title, word) || WordMatches(address, word);
  });
}

std::vector<std::string> TypedWords::IndexWords(std::string_view text) {
  text = cut(text, kMaxTextBytes);
  std::vector<std::string> words;
  std::size_t at = 0;
  while (at < text.size()) {
    while (at < text.size() && !IsWordByte(text[at])) ++at;
    const std::size_t start = at;
    while (at < text.size() && IsWordByte(text[at])) ++at;
    if (at == start) continue;
    std::string word(cut(text.substr(start, at - start), kIndexedWordBytes));
    words.push_back(asciiLower(std::move(word)));
  }
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  return words;
}

std::vector<std::string> TypedWords::IndexKeys(std::string_view word, bool& proven) {
  std::vector<std::string> keys;
  std::size_t at = 0;
  while (at < word.size()) {
    while (at < word.size() && !IsWordByte(word[at])) ++at;
    const std::size_t start = at;
    while (at < word.size() && IsWordByte(word[at])) ++at;
    if (at > start) {
      keys.push_back(
          asciiLower(std::string(cut(word.substr(start, at - start), kIndexedWordBytes))));
    }
  }
  proven = keys.size() == 1 && keys[0].size() == word.size();
  return keys;
}

}  // namespace corvane
