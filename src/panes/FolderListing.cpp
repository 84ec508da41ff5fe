#include "panes/FolderListing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace corvane {

namespace fs = std::filesystem;

namespace {

std::string withoutTrailingSeparators(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

}  // namespace

void FolderListing::SetPath(const std::string& folder) {
  path_ = withoutTrailingSeparators(folder);
  names_.clear();
  index_ = -1;

  std::error_code ec;
  fs::directory_iterator it(fs::path(path_), fs::directory_options::skip_permission_denied, ec);
  if (ec) return;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    const std::string name = it->path().filename().string();
    if (name.empty() || name.front() == '.') continue;
    std::error_code typeEc;
    if (!it->is_regular_file(typeEc) || typeEc) continue;
    names_.push_back(name);
  }
  // A listing cut short by a read error keeps what it got; an unreadable folder stays empty.
  std::sort(names_.begin(), names_.end());
}

bool FolderListing::SetListIndex(int index) {
  if (index < -1 || index >= ListCount()) return false;
  index_ = index;
  return true;
}

std::string FolderListing::FileName() const { return List(index_); }

std::string FolderListing::List(int index) const {
  if (index < 0 || index >= ListCount()) return std::string();
  return names_[static_cast<size_t>(index)];
}

}  // namespace corvane
