#pragma once

#include <functional>

#include "favorites/FavoritesCommands.h"
#include "favorites/FavoritesTransfer.h"
#include "menus/MenuBar.h"

namespace corvane {

// The "Fa&vorites " menu: "View Favorites" with its tick, then the item array mnuOptionsAddFav:
// 0 Organize Favorites, 1 and 2 Add To Favorites from the top or bottom pane, 3 a separator,
// 4 the home pages dialog; then 5 a separator, 6 Import Favorites... and 7 Export Favorites...;
// then 8 a separator and 9 History....
class FavoritesMenu {
 public:
  static constexpr const char* kName = "mnuFavorites";
  // The index "View Favorites" is called with; it is not part of the array.
  static constexpr int kViewFavoritesIndex = -1;

  // openHomePages: opens the home pages dialog; openHistory: the History window.
  FavoritesMenu(MenuBar& menus, FavoritesCommands& commands, FavoritesTransfer& transfer,
                std::function<void()> openHomePages, std::function<void()> openHistory);
  FavoritesMenu(const FavoritesMenu&) = delete;
  FavoritesMenu& operator=(const FavoritesMenu&) = delete;

  // The array's items by index; any other index does nothing, and failures are ignored.
  void mnuOptionsAddFav_Click(int index);
  // The menu's items: "View Favorites" or an item of the array.
  void Click(int index);

 private:
  FavoritesCommands& commands_;
  FavoritesTransfer& transfer_;
  std::function<void()> openHomePages_;
  std::function<void()> openHistory_;
};

}  // namespace corvane
