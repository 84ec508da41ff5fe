#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace corvane {

// Internet shortcut files: a file whose name holds ".url", with the address on its first line
// that begins with "URL=".
//
// A favorite's name is its file name up to the first ".url". So that any name can be kept, the
// names Corvane writes escape what a file name can't hold or would change: "%" as %25, "/" as
// %2F, and a dot that would start the name (hiding the file) or a ".url" as %2E. Reading undoes
// exactly these three escapes.
class InternetShortcut {
 public:
  // A shortcut is read no further than this for its address line: a huge file, or one without
  // line ends, must not hold up the favorites tree.
  static constexpr std::size_t kReadLimit = 64 * 1024;
  // Room left in a file name for the ".url" extension (names are at most 255 bytes).
  static constexpr std::size_t kMaxNameBytes = 251;

  // The shortcut's display name: the file name up to its first ".url", case ignored ("" for a
  // file named ".url"), with %25, %2E and %2F decoded. Nothing when the name holds no ".url":
  // the file is not a shortcut.
  static std::optional<std::string> DisplayName(const std::string& fileName);
  // Where the first ".url" of fileName starts, case ignored; npos when there is none.
  static std::size_t ExtensionAt(const std::string& fileName);

  // The address: what follows "URL=" (upper case, untrimmed) on the first line that begins with
  // it. CR, LF and CR LF end lines. "" when no such line lies within the read limit (a line the
  // limit cuts off does not count). Throws std::system_error when the file can't be read.
  static std::string ReadAddress(const std::filesystem::path& file);

  // The content of a shortcut to address; line breaks in the address are dropped.
  static std::string Text(const std::string& address);

  // name as a valid file name with room for the extension: no '/', no control characters, no
  // blanks around it, at most kMaxNameBytes bytes (never cutting a UTF-8 character), and
  // "Untitled" when nothing usable is left (also for "." and ".."). For folders.
  static std::string SafeFileName(const std::string& name);

  // The start of a shortcut's file name that DisplayName reads back as name: escaped as above,
  // control characters as blanks, no blanks around it, "Untitled" for a blank name, and no
  // longer than maxBytes (the name is then cut, never inside a UTF-8 character).
  static std::string FileStem(const std::string& name, std::size_t maxBytes = kMaxNameBytes);
  // The file name of a shortcut named name: FileStem(name) + ".url".
  static std::string FileNameFor(const std::string& name);
  // The name that a shortcut saved under name shows: name as FileStem keeps it.
  static std::string ShownName(const std::string& name);
};

}  // namespace corvane
