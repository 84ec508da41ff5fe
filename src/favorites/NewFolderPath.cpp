#include "favorites/NewFolderPath.h"

#include "base/AsciiText.h"
#include "favorites/FavoriteName.h"

namespace corvane {

std::optional<FolderChoice> NewFolderPath(const std::string& parent, const std::string& typed) {
  if (trimSpace(typed).empty()) return std::nullopt;
  const std::string file = FavoriteName::FileName(typed, FavoriteName::kFolder);
  return FolderChoice{parent.empty() ? file : parent + "/" + file,
                      FavoriteName::Kept(typed, FavoriteName::kFolder)};
}

}  // namespace corvane
