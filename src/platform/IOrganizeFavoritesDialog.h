#pragma once

#include <string>

namespace corvane {

// The dialog in which the user renames, deletes, moves and files favorites.
class IOrganizeFavoritesDialog {
 public:
  IOrganizeFavoritesDialog() = default;
  IOrganizeFavoritesDialog(const IOrganizeFavoritesDialog&) = delete;
  IOrganizeFavoritesDialog& operator=(const IOrganizeFavoritesDialog&) = delete;
  virtual ~IOrganizeFavoritesDialog() = default;

  // Shows the dialog on the folder, modal, and returns when the user closes it. With an empty
  // folder the dialog has nothing to organise and says so.
  virtual void DoOrganizeFavDlg(const std::string& folder) = 0;
};

}  // namespace corvane
