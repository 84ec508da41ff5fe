#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace corvane {

// The file-system steps of a save, one call each. The writer takes them as an object so that a
// save can be stopped between any two of them, as a crash or a kill would stop it.
class FileSteps {
 public:
  FileSteps() = default;
  FileSteps(const FileSteps&) = delete;
  FileSteps& operator=(const FileSteps&) = delete;
  virtual ~FileSteps() = default;

  // The steps as the system runs them.
  static FileSteps& system();

  // Creates a file that must not exist yet, write-only; its descriptor, or -1 with errno set.
  virtual int createNew(const std::filesystem::path& path);
  // Writes all of data; false on failure.
  virtual bool write(int fd, std::string_view data);
  // Gives the new file the old one's mode and, where allowed, owner; false on failure.
  virtual bool copyModeAndOwner(int fd, const std::filesystem::path& from);
  virtual bool sync(int fd);
  virtual bool close(int fd);
  // Renames from to to, replacing what is there; false on failure.
  virtual bool rename(const std::filesystem::path& from, const std::filesystem::path& to);
  // Renames from to to only while nothing is there under that name; false otherwise.
  virtual bool renameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to);
  virtual void remove(const std::filesystem::path& path);
  virtual void syncFolder(const std::filesystem::path& folder);
  // Writes everything written to the file system that holds folder to the disk; false on failure.
  virtual bool syncFileSystem(const std::filesystem::path& folder);
};

// A file for AtomicFile::createAll to create.
struct NewFile {
  std::filesystem::path path;
  std::string text;
};

// A file written whole, so that a reader (or a crash) finds the old content or the new one,
// never a mix: the text goes to a temp file in the same folder, is synced, then renamed over the
// file. Every file Corvane writes goes through here.
//
// Temp files are named ".corvane-save-<process id>-<stamp>-<n>.tmp": hidden, and with no name
// that a reader takes for a setting or a favorite (no ".url" in it). Older versions named them
// ".<file name>.tmp-<process id>-<stamp>-<n>". One of either form that a killed save left behind
// is removed by removeLeftovers.
class AtomicFile {
 public:
  explicit AtomicFile(std::filesystem::path path, FileSteps& steps = FileSteps::system());

  const std::filesystem::path& path() const { return path_; }

  // Replaces the file's content with text, creating the file when it is missing. Through a
  // symbolic link the link's target is replaced, or created when the link points to nothing yet,
  // and the link kept. An existing file keeps its permissions (and its owner where that is
  // allowed). Refuses a file that is not a regular file, has no write permission bits or is not
  // writable by the user. On failure the old file is untouched and no temp file is left.
  bool replace(std::string_view text) const;
  // Creates the file holding text, with the permissions of any new file, only where nothing
  // exists under its name yet (not even a dangling link): an existing file is never replaced,
  // even when it appears meanwhile. On failure no file and no temp file are left.
  bool create(std::string_view text) const;

  // Creates each file holding its text as create() does, with two syncs of each file system for
  // all of them (one for their texts, one for their names) instead of two for each file: a killed
  // or crashed run leaves each file whole or absent, and temp files that removeLeftovers
  // removes. Returns, file by file, whether it was created.
  static std::vector<bool> createAll(const std::vector<NewFile>& files,
                                     FileSteps& steps = FileSteps::system());

  // Whether name is a temp file of this writer, of either form.
  static bool isTempName(const std::string& name);
  // Removes the temp files in folder (and, when recursive, in the folders below it, links not
  // followed) that a save of a process no longer running left behind. Returns how many.
  static int removeLeftovers(const std::filesystem::path& folder, bool recursive);
  // The permissions of a file Corvane creates: read and write for everyone, less the umask.
  static unsigned newFileMode();

 private:
  std::filesystem::path path_;
  FileSteps& steps_;
};

}  // namespace corvane
