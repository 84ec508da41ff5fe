// libFuzzer target for the profile file's reader and writer, on text in memory.
//
// An input is "section NUL key NUL value NUL file text"; a part that is missing is empty. Each
// input reads the entry from the text, writes the value into it, and checks that
//   - the write keeps every byte outside the one line it rewrites, in order (or only inserts);
//   - the value reads back as the profile rules say: CR and LF dropped, the blanks around it
//     trimmed, one pair of enclosing quotes removed, and then cut to 254 bytes of whole
//     characters;
//   - writing the same value again changes nothing.
// The last two hold only for names that the file format can carry (see carriesName).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "base/ProfileFile.h"

namespace {

using corvane::ProfileFile;

constexpr std::size_t kMaxValueBytes = ProfileFile::kBufferSize - 1;

void check(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "profile fuzz: %s\n", what);
    std::abort();
  }
}

// The part of input up to the next NUL, which is consumed with it.
std::string_view take(std::string_view& input) {
  const std::size_t end = input.find('\0');
  const std::string_view part = input.substr(0, end);
  input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
  return part;
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string withoutLineBreaks(std::string_view s) {
  std::string out;
  for (char c : s) {
    if (c != '\r' && c != '\n') out += c;
  }
  return out;
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

// A section name or key comes back as written only if it has no blanks at its ends (they are
// trimmed when read), and a section name holds no ']' (it ends the name in a header). A key
// holds no '=' (the first one ends the key), and can't start with ';' (a comment) or '[' (the
// line could read as a section header).
bool carriesName(std::string_view name, bool isSection) {
  if (trimmed(name) != name) return false;
  if (isSection) return name.find(']') == std::string_view::npos;
  return name.find('=') == std::string_view::npos &&
         (name.empty() || (name.front() != ';' && name.front() != '['));
}

// The value as the reader returns it after the writer stored value.
std::string readBack(std::string_view value) {
  const std::string clean = withoutLineBreaks(value);
  std::string_view v = trimmed(clean);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
    v = v.substr(1, v.size() - 2);
  }
  return std::string(v);
}

// Length of the UTF-8 sequence a lead byte starts, or 0 for a byte that starts none.
std::size_t sequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC0 && lead < 0xE0) return 2;
  if (lead >= 0xE0 && lead < 0xF0) return 3;
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  return 0;
}

bool isUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const std::size_t n = sequenceLength(static_cast<unsigned char>(s[i]));
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k) {
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    }
    i += n;
  }
  return true;
}

// The 254-byte cut: a prefix, at most three bytes short; for UTF-8 text it ends on a whole
// character, and the next one would not have fitted.
void checkCut(std::string_view value) {
  const std::string cut = ProfileFile::cutToBytes(value, kMaxValueBytes);
  check(value.substr(0, cut.size()) == cut, "the cut is not a prefix");
  if (value.size() <= kMaxValueBytes) {
    check(cut.size() == value.size(), "a value that fits was cut");
    return;
  }
  check(cut.size() <= kMaxValueBytes && cut.size() + 3 >= kMaxValueBytes, "the cut is misplaced");
  if (isUtf8(value)) {
    check(isUtf8(cut), "the cut splits a character");
    check(
        cut.size() + sequenceLength(static_cast<unsigned char>(value[cut.size()])) > kMaxValueBytes,
        "the cut drops a character that fits");
  }
}

// Everything outside one line's text is kept, in order: what the write took out (between the
// common head and tail) lies within one line, and if it took anything out, it put one line's
// text in its place.
void checkKeepsEveryOtherLine(std::string_view before, std::string_view after) {
  std::size_t head = 0;
  while (head < before.size() && head < after.size() && before[head] == after[head]) ++head;
  std::size_t tail = 0;
  while (tail < before.size() - head && tail < after.size() - head &&
         before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
    ++tail;
  }
  const std::string_view removed = before.substr(head, before.size() - head - tail);
  const std::string_view inserted = after.substr(head, after.size() - head - tail);
  check(removed.find_first_of("\r\n") == std::string_view::npos, "a line end was lost");
  if (!removed.empty()) {
    check(inserted.find_first_of("\r\n") == std::string_view::npos, "more than one line changed");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string_view section = take(input);
  const std::string_view key = take(input);
  const std::string_view value = take(input);
  const std::string_view text = input;

  (void)ProfileFile::lookup(text, section, key);
  const std::string written = ProfileFile::update(text, section, key, value);
  checkKeepsEveryOtherLine(text, written);
  checkCut(value);

  const std::string cleanSection = withoutLineBreaks(section);
  const std::string cleanKey = withoutLineBreaks(key);
  if (carriesName(cleanSection, true) && carriesName(cleanKey, false)) {
    const std::string expected = readBack(value);
    const std::optional<std::string> read = ProfileFile::lookup(written, cleanSection, cleanKey);
    check(read.has_value(), "the entry written is not found");
    check(*read == expected, "the value read back breaks the rules");
    checkCut(expected);
    check(ProfileFile::update(written, section, key, value) == written,
          "writing the same value twice changed the file");
  }
  return 0;
}
