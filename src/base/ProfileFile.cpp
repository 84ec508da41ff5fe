#include "base/ProfileFile.h"

#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>
#include <vector>

#include "base/AsciiText.h"
#include "base/AtomicFile.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::string_view kNewLine = "\r\n";

enum class LineKind { kBlank, kComment, kSection, kEntry, kOther };

// One line of the file as offsets into its text, so that a write can keep every other byte.
struct Line {
  std::size_t begin = 0;  // first byte of the line
  std::size_t end = 0;    // one past its text, where its line end starts
  std::size_t next = 0;   // first byte of the next line
  LineKind kind = LineKind::kOther;
  std::string_view name;   // section name or key, trimmed
  std::string_view value;  // entry value, trimmed
};

std::string_view unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

void classify(std::string_view text, Line& line) {
  const std::string_view body = trimBlanks(text.substr(line.begin, line.end - line.begin));
  if (body.empty()) {
    line.kind = LineKind::kBlank;
    return;
  }
  if (body.front() == ';') {
    line.kind = LineKind::kComment;
    return;
  }
  if (body.front() == '[') {
    const std::size_t close = body.find(']');
    if (close != std::string_view::npos) {
      line.kind = LineKind::kSection;
      line.name = trimBlanks(body.substr(1, close - 1));
      return;
    }
  }
  const std::size_t equals = body.find('=');
  if (equals == std::string_view::npos) {
    return;  // kOther
  }
  line.kind = LineKind::kEntry;
  line.name = trimBlanks(body.substr(0, equals));
  line.value = trimBlanks(body.substr(equals + 1));
}

std::vector<Line> splitLines(std::string_view text) {
  std::vector<Line> lines;
  std::size_t pos = text.substr(0, kBom.size()) == kBom ? kBom.size() : 0;
  while (pos < text.size()) {
    Line line;
    line.begin = pos;
    line.end = text.find_first_of("\r\n", pos);
    if (line.end == std::string_view::npos) {
      line.end = line.next = text.size();
    } else if (text[line.end] == '\r' && line.end + 1 < text.size() && text[line.end + 1] == '\n') {
      line.next = line.end + 2;
    } else {
      line.next = line.end + 1;
    }
    classify(text, line);
    lines.push_back(line);
    pos = line.next;
  }
  return lines;
}

// Index range [header, end) of the first section named name; header == lines.size() if none.
std::pair<std::size_t, std::size_t> findSection(const std::vector<Line>& lines,
                                                std::string_view name) {
  std::size_t header = 0;
  while (header < lines.size() &&
         !(lines[header].kind == LineKind::kSection && equalsNoCase(lines[header].name, name))) {
    ++header;
  }
  std::size_t end = header == lines.size() ? header : header + 1;
  while (end < lines.size() && lines[end].kind != LineKind::kSection) {
    ++end;
  }
  return {header, end};
}

// Index of the first entry of key in lines [from, to), or to if there is none.
std::size_t findEntry(const std::vector<Line>& lines, std::size_t from, std::size_t to,
                      std::string_view key) {
  while (from < to &&
         !(lines[from].kind == LineKind::kEntry && equalsNoCase(lines[from].name, key))) {
    ++from;
  }
  return from;
}

std::string withoutLineBreaks(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (char c : s) {
    if (c != '\r' && c != '\n') {
      out += c;
    }
  }
  return out;
}

}  // namespace

ProfileFile::ProfileFile(fs::path path, FileSteps& steps) : path_(std::move(path)), steps_(steps) {}

std::string ProfileFile::getString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue, std::size_t bufferSize) const {
  if (bufferSize == 0) {
    return {};
  }
  std::string text;
  std::optional<std::string> value;
  if (readText(path_, text)) {
    value = lookup(text, section, key);
  }
  return cutToBytes(value ? *value : std::string(trimBlanksEnd(defaultValue)), bufferSize - 1);
}

bool ProfileFile::writeString(std::string_view section, std::string_view key,
                              std::string_view value) const {
  return writeStrings({{std::string(section), std::string(key), std::string(value)}});
}

bool ProfileFile::writeStrings(const std::vector<Entry>& entries) const {
  std::error_code ec;
  const fs::file_status status = fs::status(path_, ec);
  std::string text;
  if (fs::exists(status)) {
    // A file that is there but can't be read must not be replaced by one holding a single entry.
    if (!readText(path_, text)) {
      return false;
    }
  } else if (status.type() != fs::file_type::not_found) {
    return false;
  }
  for (const Entry& entry : entries) {
    text = update(text, entry.section, entry.key, entry.value);
  }
  return AtomicFile(path_, steps_).replace(text);
}

std::optional<std::string> ProfileFile::lookup(std::string_view text, std::string_view section,
                                               std::string_view key) {
  const std::vector<Line> lines = splitLines(text);
  const auto [header, end] = findSection(lines, section);
  if (header == lines.size()) {
    return std::nullopt;
  }
  const std::size_t entry = findEntry(lines, header + 1, end, key);
  if (entry == end) {
    return std::nullopt;
  }
  return std::string(unquote(lines[entry].value));
}

std::string ProfileFile::update(std::string_view text, std::string_view section,
                                std::string_view key, std::string_view value) {
  const std::string cleanSection = withoutLineBreaks(section);
  const std::string cleanKey = withoutLineBreaks(key);
  const std::string cleanValue = withoutLineBreaks(value);
  const std::vector<Line> lines = splitLines(text);
  const auto [header, end] = findSection(lines, cleanSection);
  std::string out;

  if (header == lines.size()) {
    out = text;
    if (!lines.empty() && lines.back().next == lines.back().end) {
      out += kNewLine;
    }
    out.append("[").append(cleanSection).append("]").append(kNewLine);
    out.append(cleanKey).append("=").append(cleanValue).append(kNewLine);
    return out;
  }

  const std::size_t entry = findEntry(lines, header + 1, end, cleanKey);
  if (entry != end) {
    // Keep the key as the file spells it, and the line's own line end.
    const Line& line = lines[entry];
    out.append(text.substr(0, line.begin)).append(line.name).append("=").append(cleanValue);
    out.append(text.substr(line.end));
    return out;
  }

  // Blank lines and comments that close a section usually belong to what follows it.
  std::size_t last = end - 1;
  while (last > header &&
         (lines[last].kind == LineKind::kBlank || lines[last].kind == LineKind::kComment)) {
    --last;
  }
  const Line& after = lines[last];
  out.append(text.substr(0, after.next));
  if (after.next == after.end) {
    out += kNewLine;  // the file's last line had no line end
  }
  out.append(cleanKey).append("=").append(cleanValue).append(kNewLine);
  out.append(text.substr(after.next));
  return out;
}

std::string ProfileFile::cutToBytes(std::string_view value, std::size_t maxBytes) {
  if (value.size() <= maxBytes) {
    return std::string(value);
  }
  auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(value[i]); };
  // Back up over at most three continuation bytes to the lead byte of the character cut in two.
  std::size_t cut = maxBytes;
  while (cut > 0 && maxBytes - cut < 3 && (byteAt(cut) & 0xC0) == 0x80) {
    --cut;
  }
  if ((byteAt(cut) & 0xC0) == 0x80 || (cut < maxBytes && byteAt(cut) < 0xC0)) {
    cut = maxBytes;  // not UTF-8 after all: a plain byte cut
  }
  return std::string(value.substr(0, cut));
}

bool ProfileFile::readText(const fs::path& path, std::string& text) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) {
    return false;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return false;
  }
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) {
    return false;
  }
  text = content.str();
  return true;
}

}  // namespace corvane
