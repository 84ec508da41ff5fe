#include "favorites/FavoritesFolder.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace corvane {

FavoritesFolder::FavoritesFolder(std::string location) : location_(std::move(location)) {}

std::string FavoritesFolder::GetFavoritesFolder() const {
  if (location_.empty()) return {};
  std::error_code ec;
  std::filesystem::create_directories(location_, ec);
  if (!std::filesystem::is_directory(location_, ec)) return {};
  return location_;
}

std::string FavoritesFolder::GetSpecialFolderPath(int folderId) const {
  return folderId == kFavoritesFolderId ? GetFavoritesFolder() : std::string();
}

}  // namespace corvane
