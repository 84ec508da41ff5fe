#pragma once

#include <filesystem>
#include <string>

namespace corvane {

// A fresh folder under the system's temp folder, removed with everything in it on destruction.
class TempDir {
 public:
  TempDir();
  // A fresh folder under base instead, e.g. a memory file system for tests that make many files.
  explicit TempDir(const std::filesystem::path& base);
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes bytes to name (relative to the folder, parent folders created); returns its path.
  std::filesystem::path writeFile(const std::filesystem::path& name,
                                  const std::string& bytes) const;
  // The bytes of name; throws std::runtime_error when it can't be read.
  std::string readFile(const std::filesystem::path& name) const;

 private:
  std::filesystem::path path_;
};

}  // namespace corvane
