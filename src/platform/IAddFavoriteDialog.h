#pragma once

#include <optional>
#include <string>
#include <vector>

namespace corvane {

// What the Add Favorite dialog opens with.
struct AddFavoriteRequest {
  // The page's address, shown for reference.
  std::string address;
  // The name proposed for the favorite.
  std::string name;
  // The folders of the Favorites folder the user may choose, as paths relative to it with '/'
  // between names; "" is the Favorites folder itself.
  std::vector<std::string> folders;
  // The folder chosen when the dialog opens, one of folders.
  std::string folder;
};

// What the user confirmed.
struct AddFavoriteChoice {
  std::string name;
  // Relative to the Favorites folder, '/' between names; "" is the Favorites folder itself. It
  // may name folders the user created in the dialog, which do not exist yet.
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
