#pragma once

#include <string>

namespace corvane {

// The user's Favorites folder, the folder of Internet shortcuts the favorites tree shows.
class FavoritesFolder {
 public:
  // The folder id of the Favorites folder among the special folders.
  static constexpr int kFavoritesFolderId = 6;

  // location: where the folder is, or is to be created; "" when the platform has none.
  explicit FavoritesFolder(std::string location);

  // The folder's path, created (with its parents) when missing; "" when there is no location or
  // it can't be created.
  std::string GetFavoritesFolder() const;
  // The path of a special folder by id: the Favorites folder for its id, "" for any other.
  std::string GetSpecialFolderPath(int folderId) const;

 private:
  std::string location_;
};

}  // namespace corvane
