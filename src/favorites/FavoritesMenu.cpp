#include "favorites/FavoritesMenu.h"

#include <utility>

#include "base/Guarded.h"

namespace corvane {

namespace {
constexpr const char* kArray = "mnuOptionsAddFav";
}  // namespace

FavoritesMenu::FavoritesMenu(MenuBar& menus, FavoritesCommands& commands,
                             FavoritesTransfer& transfer, std::function<void()> openHomePages,
                             std::function<void()> openHistory)
    : commands_(commands),
      transfer_(transfer),
      openHomePages_(std::move(openHomePages)),
      openHistory_(std::move(openHistory)) {
  // Ctrl+F1 is left free beside F1 (Help); the File menu has Ctrl+F5 and up.
  menus.Add(
      {MenuPosition::Favorites,
       kName,
       "Fa&vorites ",
       {{kViewFavoritesIndex, FavoritesCommands::kViewFavorites, "View Favorites", "Ctrl+F2", true},
        {0, kArray, "Organize Favorites", "", false},
        {1, kArray, "Add To Favorites From Top Browser", "Shift+F2", false},
        {2, kArray, "Add To Favorites From Bottom Browser", "Shift+F3", false},
        {3, kArray, "-", "", false},
        {4, kArray, "Enter Offline/Online Home Pages", "", false},
        {5, kArray, "-", "", false},
        {6, kArray, "Import Favorites...", "", false},
        {7, kArray, "Export Favorites...", "", false},
        {8, kArray, "-", "", false},
        {9, kArray, "History...", "Ctrl+H", false}},
       [this](int index) { Click(index); }});
  menus.SetChecked(FavoritesCommands::kViewFavorites, false);
}

void FavoritesMenu::Click(int index) {
  if (index == kViewFavoritesIndex) {
    commands_.mnuOptionsFav_Click();
  } else {
    mnuOptionsAddFav_Click(index);
  }
}

void FavoritesMenu::mnuOptionsAddFav_Click(int index) {
  guarded([&] {
    switch (index) {
      case 0:
        commands_.cmdOrganizeFav_Click();
        break;
      case 1:
        commands_.AddToFavorites(PaneId::Top);
        break;
      case 2:
        commands_.AddToFavorites(PaneId::Bottom);
        break;
      case 4:
        openHomePages_();
        break;
      case 6:
        transfer_.ImportFavorites();
        break;
      case 7:
        transfer_.ExportFavorites();
        break;
      case 9:
        openHistory_();
        break;
      default:
        break;
    }
  });
}

}  // namespace corvane
