#pragma once

#include <filesystem>
#include <string_view>

namespace corvane {

// A file written whole, so that a reader (or a crash) finds the old content or the new one,
// never a mix: the text goes to a temp file in the same folder, is synced, then renamed over the
// file. Every file Corvane writes goes through here.
class AtomicFile {
 public:
  explicit AtomicFile(std::filesystem::path path);

  const std::filesystem::path& path() const { return path_; }

  // Replaces the file's content with text, creating the file when it is missing. Through a
  // symbolic link the link's target is replaced and the link kept. An existing file keeps its
  // permissions (and its owner where that is allowed). Refuses a file that is not a regular
  // file, has no write permission bits or is not writable by the user. On failure the old file is
  // untouched and no temp file is left.
  bool replace(std::string_view text) const;
  // Creates the file holding text, with the permissions of any new file, only where nothing
  // exists under its name yet (not even a dangling link): an existing file is never replaced,
  // even when it appears meanwhile. On failure no file and no temp file are left.
  bool create(std::string_view text) const;

 private:
  std::filesystem::path path_;
};

}  // namespace corvane
