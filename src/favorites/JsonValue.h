#pragma once

#include <string>
#include <utility>
#include <vector>

namespace corvane {

// A JSON document, as far as reading a settings or bookmarks file needs it: numbers are kept as
// their text.
struct JsonValue {
  enum class Kind { Null, Boolean, Number, String, Array, Object };

  Kind kind = Kind::Null;
  // A string's value, a number's or a boolean's text.
  std::string text;
  std::vector<JsonValue> items;
  std::vector<std::pair<std::string, JsonValue>> members;

  // The member named key of an object; nullptr when there is none.
  const JsonValue* member(const std::string& key) const;
  // A string member's value; "" when it is missing or not a string.
  std::string string(const std::string& key) const;

  // Reads a whole document (UTF-8, \u escapes decoded). Nesting deeper than maxDepth, anything
  // but blanks after the value, or any other fault throws std::runtime_error.
  static JsonValue Parse(const std::string& text, int maxDepth);
};

}  // namespace corvane
