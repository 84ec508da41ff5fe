#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace corvane {

// Case and blank rules on ASCII only, whatever the locale: schemes, extensions, section names
// and shortcut lines need no more, and the bytes of UTF-8 sequences stay untouched.

inline char asciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline char asciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

inline std::string asciiUpper(std::string text) {
  for (char& c : text) c = asciiUpper(c);
  return text;
}

inline std::string asciiLower(std::string text) {
  for (char& c : text) c = asciiLower(c);
  return text;
}

inline bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (asciiLower(a[i]) != asciiLower(b[i])) return false;
  }
  return true;
}

inline bool startsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

inline bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && equalsNoCase(text.substr(0, prefix.size()), prefix);
}

// A blank of a settings or shortcut line: space or tab, nothing else.
inline bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Any white space of the C locale: space, tab, line breaks, vertical tab, form feed.
inline bool isAsciiSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

inline std::string_view trimBlanksEnd(std::string_view s) {
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

inline std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  return trimBlanksEnd(s);
}

inline std::string trimSpace(std::string_view s) {
  while (!s.empty() && isAsciiSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && isAsciiSpace(s.back())) s.remove_suffix(1);
  return std::string(s);
}

}  // namespace corvane
