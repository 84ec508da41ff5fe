#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "favorites/FavoriteEntry.h"
#include "favorites/OrganizeResult.h"
#include "platform/IAddFavoriteDialog.h"
#include "platform/ITrash.h"

namespace corvane {

// The steps of organising favorites: rename, delete, new folder, move into a folder. Each works
// only on what lies inside the Favorites folder (never on the folder itself), never follows a
// link out of it, and never replaces an existing file or folder. Names become file names by the
// favorites' naming rule, so that the tree shows them as typed.
class FavoritesOrganizer {
 public:
  FavoritesOrganizer(std::filesystem::path root, ITrash& trash);
  FavoritesOrganizer(const FavoritesOrganizer&) = delete;
  FavoritesOrganizer& operator=(const FavoritesOrganizer&) = delete;

  const std::filesystem::path& root() const { return root_; }
  // The folders and shortcuts as the dialogs show them.
  FavoriteEntry Tree() const;
  std::vector<FolderChoice> Folders() const;

  // Gives a folder or shortcut a new name. A shortcut keeps its ".url" ending (the user types the
  // name alone).
  OrganizeResult Rename(const std::filesystem::path& item, const std::string& newName);
  // The name Rename(item, newName) would keep when newName is too long for a file name; nothing
  // when it fits.
  std::optional<std::string> ShortenedRename(const std::filesystem::path& item,
                                             const std::string& newName) const;
  // The same for a new folder's name.
  static std::optional<std::string> ShortenedFolderName(const std::string& name);
  // Moves the item to the trash; permanently removes it (a folder with everything in it, a link
  // but not what it points to) only when asked to.
  OrganizeResult Delete(const std::filesystem::path& item, bool permanently);
  // Creates a folder of that name in folder, the Favorites folder or one inside it.
  OrganizeResult NewFolder(const std::filesystem::path& folder, const std::string& name);
  // Moves the item into folder, the Favorites folder or one inside it.
  OrganizeResult Move(const std::filesystem::path& item, const std::filesystem::path& folder);

 private:
  // The item as a path whose folders are real paths and whose last name is kept as it stands
  // (a link is the link); empty when that isn't strictly inside the Favorites folder.
  std::filesystem::path inside(const std::filesystem::path& item) const;
  // The folder as a real path; empty unless it is the Favorites folder or inside it.
  std::filesystem::path folderWithin(const std::filesystem::path& folder) const;

  std::filesystem::path root_;
  ITrash& trash_;
};

}  // namespace corvane
