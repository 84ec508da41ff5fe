#pragma once

#include <string>

#include "favorites/FavoritesFolder.h"
#include "platform/IAddFavoriteDialog.h"
#include "platform/IMessageBox.h"

namespace corvane {

// Adds a page to the favorites: the user names it and picks a folder in the Add Favorite dialog,
// and an Internet shortcut to the page is written there.
class FavoritesAdder {
 public:
  FavoritesAdder(const FavoritesFolder& favorites, IAddFavoriteDialog& dialog,
                 IMessageBox& messageBox);
  FavoritesAdder(const FavoritesAdder&) = delete;
  FavoritesAdder& operator=(const FavoritesAdder&) = delete;

  // Offers the page (its address and title) to the dialog and, once the user confirms, writes
  // a shortcut into the chosen folder, creating the folder if it is new. Its file is named so
  // that the tree shows the name as typed. A name too long for a file name goes back to the
  // dialog shortened, saying so, for the user to confirm; a favorite of that name is replaced
  // only when the user says so (No takes the user back to the dialog). True when a shortcut was
  // written. A file or folder that can't be written is reported.
  bool AddFavorite(const std::string& address, const std::string& title);

 private:
  bool confirmReplace(const std::string& name);
  void reportFailure(const std::string& where);

  const FavoritesFolder& favorites_;
  IAddFavoriteDialog& dialog_;
  IMessageBox& messageBox_;
};

}  // namespace corvane
