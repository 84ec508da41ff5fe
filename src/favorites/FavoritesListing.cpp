#include "favorites/FavoritesListing.h"

#include <algorithm>
#include <system_error>

#include "base/AtomicFile.h"
#include "favorites/FavoriteName.h"
#include "platform/TreeNodes.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

void fill(FavoriteEntry& folder, std::vector<std::string>& scanning) {
  std::error_code ec;
  const std::string real = fs::canonical(folder.path, ec).string();
  if (ec || std::find(scanning.begin(), scanning.end(), real) != scanning.end()) return;
  scanning.push_back(real);
  for (fs::directory_iterator it(folder.path, ec); !ec && it != fs::directory_iterator();
       it.increment(ec)) {
    std::error_code typeError;
    const std::string name = it->path().filename().string();
    if (it->is_directory(typeError)) {
      FavoriteEntry child{FavoriteName::FolderName(name), it->path(), true, {}};
      fill(child, scanning);
      folder.children.push_back(std::move(child));
    } else if (AtomicFile::isTempName(name)) {
      continue;
    } else if (auto shown = FavoriteName::ShortcutName(name)) {
      folder.children.push_back({*shown, it->path(), false, {}});
    }
  }
  scanning.pop_back();
  std::stable_sort(folder.children.begin(), folder.children.end(),
                   [](const FavoriteEntry& a, const FavoriteEntry& b) {
                     return TreeNodes::LessIgnoringCase(a.name, b.name);
                   });
}

void collectFolders(const FavoriteEntry& folder, const std::string& prefix,
                    std::vector<FolderChoice>& out) {
  for (const FavoriteEntry& child : folder.children) {
    if (!child.folder) continue;
    const std::string file = child.path.filename().string();
    const std::string relative = prefix.empty() ? file : prefix + "/" + file;
    out.push_back({relative, child.name});
    collectFolders(child, relative, out);
  }
}

}  // namespace

FavoriteEntry FavoritesListing::Tree(const fs::path& root) {
  FavoriteEntry top{root.filename().string(), root, true, {}};
  if (top.name.empty()) top.name = root.parent_path().filename().string();
  std::vector<std::string> scanning;
  fill(top, scanning);
  return top;
}

std::vector<FolderChoice> FavoritesListing::Folders(const fs::path& root) {
  std::vector<FolderChoice> folders{{"", ""}};
  collectFolders(Tree(root), "", folders);
  return folders;
}

}  // namespace corvane
