#include "TempDir.h"

#include <stdlib.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace corvane {

namespace fs = std::filesystem;

namespace {

// Tests may leave read-only files and folders behind; give them back to their owner first.
void makeRemovable(const fs::path& folder) {
  std::error_code ec;
  fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add, ec);
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    if (entry.is_symlink(ec)) continue;
    if (entry.is_directory(ec)) makeRemovable(entry.path());
    fs::permissions(entry.path(), fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::add, ec);
  }
}

}  // namespace

TempDir::TempDir() : TempDir(fs::temp_directory_path()) {}

TempDir::TempDir(const fs::path& base) {
  std::string pattern = (base / "corvane-test-XXXXXX").string();
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  if (::mkdtemp(buffer.data()) == nullptr) throw std::runtime_error("cannot create temp folder");
  path_ = buffer.data();
}

TempDir::~TempDir() {
  makeRemovable(path_);
  std::error_code ec;
  fs::remove_all(path_, ec);
}

fs::path TempDir::writeFile(const fs::path& name, const std::string& bytes) const {
  fs::path file = path_ / name;
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
  out.close();
  if (!out) throw std::runtime_error("cannot write " + file.string());
  return file;
}

std::string TempDir::readFile(const fs::path& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + (path_ / name).string());
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

}  // namespace corvane
