#pragma once

#include <string>

namespace corvane {

// Upper case of the ASCII letters only, whatever the locale: the scheme and extension tests need
// no more, and the bytes of UTF-8 sequences stay untouched.
inline std::string asciiUpper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

}  // namespace corvane
