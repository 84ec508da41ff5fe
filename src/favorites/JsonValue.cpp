#include "favorites/JsonValue.h"

#include <cstdint>
#include <stdexcept>

#include "favorites/CodePoint.h"

namespace corvane {

namespace {

class Reader {
 public:
  Reader(const std::string& text, int maxDepth) : text_(text), maxDepth_(maxDepth) {}

  JsonValue document() {
    JsonValue value = read(0);
    skipBlanks();
    if (at_ != text_.size()) fail();
    return value;
  }

 private:
  [[noreturn]] void fail() const {
    throw std::runtime_error("not valid JSON at byte " + std::to_string(at_));
  }
  void skipBlanks() {
    while (at_ < text_.size() &&
           (text_[at_] == ' ' || text_[at_] == '\t' || text_[at_] == '\n' || text_[at_] == '\r')) {
      ++at_;
    }
  }
  char peek() {
    skipBlanks();
    if (at_ >= text_.size()) fail();
    return text_[at_];
  }
  void expect(char c) {
    if (peek() != c) fail();
    ++at_;
  }
  void word(const char* w, JsonValue::Kind kind, JsonValue& value) {
    const std::string expected(w);
    if (text_.compare(at_, expected.size(), expected) != 0) fail();
    at_ += expected.size();
    value.kind = kind;
    value.text = expected;
  }

  JsonValue read(int depth) {
    if (depth > maxDepth_) fail();
    JsonValue value;
    const char c = peek();
    if (c == '{') {
      value.kind = JsonValue::Kind::Object;
      ++at_;
      if (peek() == '}') {
        ++at_;
        return value;
      }
      for (;;) {
        if (peek() != '"') fail();
        std::string key = string();
        expect(':');
        value.members.emplace_back(std::move(key), read(depth + 1));
        if (peek() == ',') {
          ++at_;
          continue;
        }
        expect('}');
        return value;
      }
    }
    if (c == '[') {
      value.kind = JsonValue::Kind::Array;
      ++at_;
      if (peek() == ']') {
        ++at_;
        return value;
      }
      for (;;) {
        value.items.push_back(read(depth + 1));
        if (peek() == ',') {
          ++at_;
          continue;
        }
        expect(']');
        return value;
      }
    }
    if (c == '"') {
      value.kind = JsonValue::Kind::String;
      value.text = string();
    } else if (c == 't') {
      word("true", JsonValue::Kind::Boolean, value);
    } else if (c == 'f') {
      word("false", JsonValue::Kind::Boolean, value);
    } else if (c == 'n') {
      word("null", JsonValue::Kind::Null, value);
    } else {
      value.kind = JsonValue::Kind::Number;
      const std::size_t begin = at_;
      while (at_ < text_.size() &&
             std::string_view("+-.eE0123456789").find(text_[at_]) != std::string_view::npos) {
        ++at_;
      }
      if (at_ == begin) fail();
      value.text = text_.substr(begin, at_ - begin);
    }
    return value;
  }

  std::uint32_t hex4() {
    if (at_ + 4 > text_.size()) fail();
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const char c = text_[at_++];
      v <<= 4;
      if (c >= '0' && c <= '9') {
        v |= static_cast<std::uint32_t>(c - '0');
      } else if (c >= 'a' && c <= 'f') {
        v |= static_cast<std::uint32_t>(c - 'a' + 10);
      } else if (c >= 'A' && c <= 'F') {
        v |= static_cast<std::uint32_t>(c - 'A' + 10);
      } else {
        fail();
      }
    }
    return v;
  }

  std::string string() {
    ++at_;  // the opening quote
    std::string out;
    for (;;) {
      if (at_ >= text_.size()) fail();
      const char c = text_[at_++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20) fail();
      if (c != '\\') {
        out += c;
        continue;
      }
      if (at_ >= text_.size()) fail();
      const char e = text_[at_++];
      switch (e) {
        case '"':
        case '\\':
        case '/':
          out += e;
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          std::uint32_t cp = hex4();
          // A pair of surrogates is one character beyond the first plane.
          if (cp >= 0xD800 && cp <= 0xDBFF && text_.compare(at_, 2, "\\u") == 0) {
            const std::size_t back = at_;
            at_ += 2;
            const std::uint32_t low = hex4();
            if (low >= 0xDC00 && low <= 0xDFFF) {
              cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            } else {
              at_ = back;
            }
          }
          appendUtf8(out, cp);
          break;
        }
        default:
          fail();
      }
    }
  }

  const std::string& text_;
  const int maxDepth_;
  std::size_t at_ = 0;
};

}  // namespace

const JsonValue* JsonValue::member(const std::string& key) const {
  for (const auto& [name, value] : members) {
    if (name == key) return &value;
  }
  return nullptr;
}

std::string JsonValue::string(const std::string& key) const {
  const JsonValue* value = member(key);
  return value && value->kind == Kind::String ? value->text : std::string();
}

JsonValue JsonValue::Parse(const std::string& text, int maxDepth) {
  return Reader(text, maxDepth).document();
}

}  // namespace corvane
