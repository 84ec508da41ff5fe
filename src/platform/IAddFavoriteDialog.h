#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corvane {

// A folder of the Favorites folder, as the favorites dialogs offer it.
struct FolderChoice {
  // Relative to the Favorites folder, '/' between the folders' file names; "" is the Favorites
  // folder itself.
  std::string path;
  // The folder's name as the favorites tree shows it; "" for the Favorites folder itself.
  std::string name;

  bool operator==(const FolderChoice& other) const {
    return path == other.path && name == other.name;
  }
};

// What the Add Favorite dialog opens with.
struct AddFavoriteRequest {
  // The page's address, shown for reference.
  std::string address;
  // The name proposed for the favorite.
  std::string name;
  // The folders the user may choose, parents before their folders; the Favorites folder first.
  std::vector<FolderChoice> folders;
  // The path of the folder chosen when the dialog opens, one of folders.
  std::string folder;
  // Shown above the name when not empty: why the name proposed is not the one typed.
  std::string notice;
};

// What the user confirmed.
struct AddFavoriteChoice {
  std::string name;
  // The path of the folder chosen (see FolderChoice). It may name folders the user created in the
  // dialog, which do not exist yet.
  std::string folder;
};

// The dialog in which the user names a new favorite and picks its folder.
class IAddFavoriteDialog {
 public:
  IAddFavoriteDialog() = default;
  IAddFavoriteDialog(const IAddFavoriteDialog&) = delete;
  IAddFavoriteDialog& operator=(const IAddFavoriteDialog&) = delete;
  virtual ~IAddFavoriteDialog() = default;

  // Shows the dialog, modal, and waits; nothing when the user cancelled.
  virtual std::optional<AddFavoriteChoice> AddFavorite(const AddFavoriteRequest& request) = 0;
};

}  // namespace corvane
