#include "qt/favorites/FavoritesWidgets.h"

#include <QObject>
#include <QPushButton>
#include <QTreeWidget>

#include <utility>

#include "favorites/FavoritesCommands.h"
#include "qt/favorites/QtAddFavoriteDialog.h"
#include "qt/favorites/QtOrganizeFavoritesDialog.h"
#include "qt/favorites/QtTreeView.h"
#include "qt/platform/QtMousePointer.h"
#include "qt/platform/QtTrash.h"

namespace corvane {

FavoritesWidgets::FavoritesWidgets(const Controls& controls, QWidget* window,
                                   const QString& favoritesFolder)
    : controls_(controls),
      favoritesFolder_(favoritesFolder.toStdString()),
      tvw_(new QtTreeView(controls.tvw)),
      pointer_(std::make_unique<QtMousePointer>()),
      addFavorite_(std::make_unique<QtAddFavoriteDialog>(window)),
      trash_(std::make_unique<QtTrash>()),
      organize_(std::make_unique<QtOrganizeFavoritesDialog>(*trash_, window)) {}

FavoritesWidgets::~FavoritesWidgets() = default;

FavoritesPlatform FavoritesWidgets::platform() const {
  return {*tvw_, *pointer_, *addFavorite_, *organize_, favoritesFolder_};
}

void FavoritesWidgets::connectTo(FavoritesCommands& core, Run run,
                                 std::function<void(const TreeNode& node)> middleClick) {
  const auto forward = [&](QPushButton* button, void (FavoritesCommands::*handler)()) {
    QObject::connect(button, &QPushButton::clicked, button,
                     [&core, run, handler] { run([&] { (core.*handler)(); }); });
  };
  forward(controls_.cmdFavCloseX, &FavoritesCommands::cmdFavCloseX_Click);
  forward(controls_.cmdAddFav, &FavoritesCommands::cmdAddFav_Click);
  forward(controls_.cmdOrganizeFav, &FavoritesCommands::cmdOrganizeFav_Click);
  tvw_->setOnNodeClick(
      [&core, run](const TreeNode& node) { run([&] { core.tvw_NodeClick(node); }); });
  tvw_->setOnNodeMiddleClick([run, middleClick = std::move(middleClick)](const TreeNode& node) {
    run([&] { middleClick(node); });
  });
  tvw_->setOnRefresh([&core, run] { run([&] { core.RefreshFavorites(); }); });
}

}  // namespace corvane
