#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/AtomicFile.h"

namespace corvane {

// A profile (INI) file: "[section]" lines, each followed by its "key=value" entries.
//
// Reading: section names and keys match without regard to ASCII case; the first section of a
// name is the only one consulted, and within it the first entry of a key wins. A value loses the
// blanks and tabs around it and one pair of matching enclosing quotes (' or "). Blank lines,
// lines starting with ';', lines without '=' and lines before the first section are ignored;
// a line starting with '[' but holding no ']' is not a section header. Text after a header's
// first ']' is ignored. LF, CR LF and lone CR all end a line; a leading UTF-8 BOM is skipped.
//
// Writing one entry keeps every other byte of the file; new lines end with CR LF. The file is
// replaced whole (AtomicFile), so a reader never sees half a write.
class ProfileFile {
 public:
  // The read buffer holds this many bytes including its terminator.
  static constexpr std::size_t kBufferSize = 255;

  // One entry to store.
  struct Entry {
    std::string section;
    std::string key;
    std::string value;
  };

  explicit ProfileFile(std::filesystem::path path, FileSteps& steps = FileSteps::system());

  // The entry's value, or defaultValue without its trailing blanks when the file, section or
  // key is absent; cut to bufferSize - 1 bytes.
  std::string getString(std::string_view section, std::string_view key,
                        std::string_view defaultValue, std::size_t bufferSize = kBufferSize) const;
  // Stores key=value in section, creating file, section or key as needed. False when the file
  // could not be read or replaced (see AtomicFile::replace); the old file is then left exactly
  // as it was.
  bool writeString(std::string_view section, std::string_view key, std::string_view value) const;
  // Stores every entry, in order, in one replace of the file: a reader, a crash or a failure
  // finds all of them stored or none.
  bool writeStrings(const std::vector<Entry>& entries) const;

  // The value of key in the first section named section, if there is such an entry.
  static std::optional<std::string> lookup(std::string_view text, std::string_view section,
                                           std::string_view key);
  // The file text with key=value stored: the first existing entry's line is rewritten in place;
  // a new key goes after the section's last line that is neither blank nor a comment; a new
  // section goes at the end. CR and LF are dropped from section, key and value so that a value
  // can never add lines of its own.
  static std::string update(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value);
  // value cut to at most maxBytes bytes, never inside a UTF-8 sequence.
  static std::string cutToBytes(std::string_view value, std::size_t maxBytes);

  // Reads a whole regular file; false when it is missing or unreadable.
  static bool readText(const std::filesystem::path& path, std::string& text);

 private:
  std::filesystem::path path_;
  FileSteps& steps_;
};

}  // namespace corvane
