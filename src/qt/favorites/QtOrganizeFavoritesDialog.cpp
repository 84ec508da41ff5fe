#include "qt/favorites/QtOrganizeFavoritesDialog.h"

#include <QMessageBox>
#include <QObject>

#include "favorites/FavoritesOrganizer.h"
#include "qt/favorites/OrganizeFavoritesWindow.h"

namespace corvane {

void QtOrganizeFavoritesDialog::DoOrganizeFavDlg(const std::string& folder) {
  if (folder.empty()) {
    QMessageBox::warning(parent_, QObject::tr("Organize Favorites"),
                         QObject::tr("There is no Favorites folder to organise."));
    return;
  }
  FavoritesOrganizer organizer(folder, trash_);
  OrganizeFavoritesWindow window(organizer, parent_);
  window.exec();
}

}  // namespace corvane
