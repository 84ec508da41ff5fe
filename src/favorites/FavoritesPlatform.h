#pragma once

#include <string>

#include "platform/IAddFavoriteDialog.h"
#include "platform/IMousePointer.h"
#include "platform/IOrganizeFavoritesDialog.h"
#include "platform/ITreeView.h"

namespace corvane {

// What the favorites commands reach of the platform.
struct FavoritesPlatform {
  // tvw: shows the favorites tree.
  ITreeView& tvw;
  // The main window's pointer, an hourglass while the tree is built.
  IMousePointer& mousePointer;
  IAddFavoriteDialog& addFavoriteDialog;
  IOrganizeFavoritesDialog& organizeFavoritesDialog;
  // Where the user's Favorites folder is (created when first needed); "" when unknown.
  std::string favoritesFolder;
};

}  // namespace corvane
