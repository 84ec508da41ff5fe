#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <system_error>
#include <vector>

namespace corvane {

// A fresh folder under the system's temp folder, removed with everything in it on destruction.
class TempDir {
 public:
  TempDir() : TempDir(std::filesystem::temp_directory_path()) {}
  // A fresh folder under base instead, e.g. a memory file system for tests that make many files.
  explicit TempDir(const std::filesystem::path& base) {
    std::string pattern = (base / "corvane-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (::mkdtemp(buffer.data()) == nullptr) throw std::runtime_error("cannot create temp folder");
    path_ = buffer.data();
  }
  ~TempDir() {
    makeRemovable(path_);
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes bytes to name (relative to the folder, parent folders created); returns its path.
  std::filesystem::path writeFile(const std::filesystem::path& name,
                                  const std::string& bytes) const {
    const std::filesystem::path file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out) throw std::runtime_error("cannot write " + file.string());
    return file;
  }
  // The bytes of name; throws std::runtime_error when it can't be read.
  std::string readFile(const std::filesystem::path& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + (path_ / name).string());
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
  }

 private:
  // Tests may leave read-only files and folders behind; give them back to their owner first.
  static void makeRemovable(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
      if (entry.is_symlink(ec)) continue;
      if (entry.is_directory(ec)) makeRemovable(entry.path());
      fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::owner_write,
                      fs::perm_options::add, ec);
    }
  }

  std::filesystem::path path_;
};

}  // namespace corvane
