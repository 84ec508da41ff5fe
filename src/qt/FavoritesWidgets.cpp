#include "qt/FavoritesWidgets.h"

#include <QObject>
#include <QPushButton>
#include <QTreeWidget>

#include "app/MainWindow.h"
#include "qt/QtAddFavoriteDialog.h"
#include "qt/QtMousePointer.h"
#include "qt/QtOrganizeFavoritesDialog.h"
#include "qt/QtTrash.h"
#include "qt/QtTreeView.h"

namespace corvane {

FavoritesWidgets::FavoritesWidgets(const BrowserControls& controls, QWidget* window,
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

void FavoritesWidgets::connectTo(MainWindow& core, Run run) {
  const auto forward = [&](QPushButton* button, void (MainWindow::*handler)()) {
    QObject::connect(button, &QPushButton::clicked, button,
                     [&core, run, handler] { run([&] { (core.*handler)(); }); });
  };
  forward(controls_.cmdFavCloseX, &MainWindow::cmdFavCloseX_Click);
  forward(controls_.cmdAddFav, &MainWindow::cmdAddFav_Click);
  forward(controls_.cmdOrganizeFav, &MainWindow::cmdOrganizeFav_Click);
  tvw_->setOnNodeClick(
      [&core, run](const TreeNode& node) { run([&] { core.tvw_NodeClick(node); }); });
}

}  // namespace corvane
