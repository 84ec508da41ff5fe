#pragma once

#include <QString>

#include <functional>
#include <memory>

#include "favorites/FavoritesPlatform.h"
#include "platform/TreeNode.h"

class QPushButton;
class QTreeWidget;
class QWidget;

namespace corvane {

class FavoritesCommands;
class QtAddFavoriteDialog;
class QtMousePointer;
class QtOrganizeFavoritesDialog;
class QtTrash;
class QtTreeView;

// The favorites pane's side of the main window: the tree's view, the pointer, the Add Favorite
// and Organize Favorites dialogs, and the pane's buttons and tree forwarded to the logic.
class FavoritesWidgets {
 public:
  // Runs a handler of the logic the way the window runs all of them.
  using Run = std::function<void(const std::function<void()>& handler)>;
  // The favorites column's controls, which the window makes and places.
  struct Controls {
    QPushButton* cmdFavCloseX;
    QPushButton* cmdAddFav;
    QPushButton* cmdOrganizeFav;
    QTreeWidget* tvw;
  };

  // window: the owner of the dialogs; favoritesFolder: where the Favorites folder is, "" when
  // the platform has no place for it.
  FavoritesWidgets(const Controls& controls, QWidget* window, const QString& favoritesFolder);
  ~FavoritesWidgets();
  FavoritesWidgets(const FavoritesWidgets&) = delete;
  FavoritesWidgets& operator=(const FavoritesWidgets&) = delete;

  FavoritesPlatform platform() const;
  // Forwards the "X", "Add" and "Organize" buttons, the tree's clicks and its Refresh to the
  // logic; `middleClick` is told of a favorite clicked with the middle button.
  void connectTo(FavoritesCommands& commands, Run run,
                 std::function<void(const TreeNode& node)> middleClick);

 private:
  Controls controls_;
  std::string favoritesFolder_;
  // Owned by the tree widget.
  QtTreeView* tvw_;
  std::unique_ptr<QtMousePointer> pointer_;
  std::unique_ptr<QtAddFavoriteDialog> addFavorite_;
  std::unique_ptr<QtTrash> trash_;
  std::unique_ptr<QtOrganizeFavoritesDialog> organize_;
};

}  // namespace corvane
