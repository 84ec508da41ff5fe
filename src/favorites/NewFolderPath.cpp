#include "favorites/NewFolderPath.h"

#include "base/AsciiText.h"
#include "favorites/FavoriteName.h"

namespace corvane {

std::optional<NewFolder> NewFolderPath(const std::string& parent, const std::string& typed) {
  if (trimSpace(typed).empty()) return std::nullopt;
  const std::string file = FavoriteName::FileName(typed, FavoriteName::kFolder);
  const bool shortened = FavoriteName::Shortened(typed, FavoriteName::kFolder);
  return NewFolder{{parent.empty() ? file : parent + "/" + file,
                    FavoriteName::Kept(typed, FavoriteName::kFolder)},
                   shortened ? FavoriteName::kShortenedNotice : ""};
}

}  // namespace corvane
