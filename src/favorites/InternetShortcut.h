#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace corvane {

// Internet shortcut files: a file whose name holds ".url", with the address on its first line
// that begins with "URL=". How a favorite's name becomes the file's name is FavoriteName's.
class InternetShortcut {
 public:
  // A shortcut is read no further than this for its address line: a huge file, or one without
  // line ends, must not hold up the favorites tree.
  static constexpr std::size_t kReadLimit = 64 * 1024;

  // Where the first ".url" of fileName starts, case ignored; npos when there is none.
  static std::size_t ExtensionAt(const std::string& fileName);

  // The address: what follows "URL=" (upper case, untrimmed) on the first line that begins with
  // it. CR, LF and CR LF end lines. "" when no such line lies within the read limit (a line the
  // limit cuts off does not count). Throws std::system_error when the file can't be read.
  static std::string ReadAddress(const std::filesystem::path& file);

  // The content of a shortcut to address; line breaks in the address are dropped.
  static std::string Text(const std::string& address);
};

}  // namespace corvane
