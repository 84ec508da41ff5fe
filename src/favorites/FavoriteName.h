#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace corvane {

// The one rule by which a favorite's or a folder's name becomes a file name, whatever gives the
// name (Add Favorite and its New Folder, Organize's rename and new folder, an import), and the
// tree's rule that reads it back. So that a name shows exactly as typed or titled, whatever its
// characters, the file name escapes what a file name can't hold or would change: "%" as %25,
// "/" as %2F, and a dot that would start the name (hiding the file) or a ".url" inside it as
// %2E. Reading undoes exactly these three escapes. A shortcut's name is its file name up to the
// first ".url".
class FavoriteName {
 public:
  // The longest file name the file system takes, in bytes.
  static constexpr std::size_t kMaxFileNameBytes = 255;
  // What follows a shortcut's name in its file name; a folder's has nothing.
  static constexpr const char* kShortcut = ".url";
  static constexpr const char* kFolder = "";
  // What a window says of a name it had to shorten, before the name is used.
  static constexpr const char* kShortenedNotice =
      "The name is too long for a file name, so it has been shortened to fit. OK saves it as "
      "shown.";

  // The file name for `name`: control characters as blanks, no blanks around it, "Untitled"
  // for a blank name, escaped, then `suffix` (" (2)") and `ending` (kShortcut, kFolder, or the
  // ending a renamed shortcut keeps). A name too long for the file system is shortened, never
  // inside a character or an escape.
  static std::string FileName(const std::string& name, const std::string& ending,
                              const std::string& suffix = "");

  // What the tree shows for a folder named fileName: its escapes undone.
  static std::string FolderName(const std::string& fileName);
  // What the tree shows for a shortcut named fileName: the part before its first ".url" (case
  // ignored), its escapes undone. Nothing when the name holds no ".url": no shortcut.
  static std::optional<std::string> ShortcutName(const std::string& fileName);

  // The name the tree shows for a file named FileName(name, ending).
  static std::string Kept(const std::string& name, const std::string& ending);
  // Whether Kept(name, ending) is shorter than the name typed: too long for a file name.
  static bool Shortened(const std::string& name, const std::string& ending);
};

}  // namespace corvane
