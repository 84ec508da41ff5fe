#pragma once

#include <functional>
#include <string>

#include "favorites/FavoritesAdder.h"
#include "favorites/FavoritesFolder.h"
#include "favorites/FavoritesPlatform.h"
#include "favorites/SuggestedFavorites.h"
#include "layout/Layout.h"
#include "menus/MenuBar.h"
#include "panes/PaneController.h"
#include "platform/IMessageBox.h"
#include "platform/TreeNodes.h"

namespace corvane {

// The commands around the favorites pane: showing and hiding it (the tree is built on its first
// showing and kept), opening a favorite in either pane, adding the panes' pages to the favorites
// and organising them. Add and Organize leave the tree as it is; an import, and the user's
// Refresh, build it afresh. The favorites the address boxes suggest follow the folder through
// all of these.
class FavoritesCommands {
 public:
  // The menu item whose tick is the pane's wanted visibility.
  static constexpr const char* kViewFavorites = "mnuOptionsFav";

  // layOut: the main window's layout pass, run after the pane is shown or hidden.
  FavoritesCommands(MenuBar& menus, Layout& layout, PaneController& top, PaneController& bottom,
                    const FavoritesPlatform& platform, IMessageBox& messageBox,
                    std::function<void()> layOut);
  FavoritesCommands(const FavoritesCommands&) = delete;
  FavoritesCommands& operator=(const FavoritesCommands&) = delete;

  // Toggles the favorites pane: the tick, the tree on the first showing (hourglass meanwhile),
  // the tree, its splitter and its header, then the layout pass. A failure before the pointer
  // is restored skips the rest of those steps; the pointer and the layout pass always run.
  void mnuOptionsFav_Click();
  // "X": the same as "View Favorites".
  void cmdFavCloseX_Click();
  // "Add": asks for the top pane, then (unless cancelled) for the bottom pane.
  void cmdAddFav_Click();
  // "Organize": the Organize Favorites dialog on the Favorites folder; the tree stays as it is.
  void cmdOrganizeFav_Click();
  // A click on a tree node: a link with an address is offered to the top pane, then the bottom.
  void tvw_NodeClick(const TreeNode& node);
  // Offers the pane's page to the Add Favorite dialog; failures are ignored.
  void AddToFavorites(PaneId pane);
  // Favorites have come into the folder from elsewhere (an import): the pane is shown, its tree
  // built afresh.
  void ShowNewFavorites();
  // "Refresh" (the tree's context menu, F5 in the tree): the tree built afresh from the Favorites
  // folder under the hourglass, the folders the user expanded and the node selected kept.
  void RefreshFavorites();

  // The favorites tree, empty until the pane is first shown.
  const TreeNodes& tree() const { return tvw_; }

  // Reads the favorites the address boxes suggest from the Favorites folder, which is not
  // created for it; they are kept up to date from then on.
  void ReadSuggestedFavorites();
  // The same object for the whole run.
  const FavoriteLinks& suggested() const { return suggested_.Links(); }

 private:
  void openIn(PaneController& pane, const std::string& address);

  MenuBar& menus_;
  Layout& layout_;
  PaneController& top_;
  PaneController& bottom_;
  FavoritesPlatform platform_;
  IMessageBox& messageBox_;
  std::function<void()> layOut_;
  FavoritesFolder folder_;
  FavoritesAdder adder_;
  TreeNodes tvw_;
  SuggestedFavorites suggested_;
};

}  // namespace corvane
