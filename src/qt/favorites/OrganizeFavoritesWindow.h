#pragma once

#include <QDialog>

#include <filesystem>
#include <optional>
#include <string>

#include "favorites/FavoritesOrganizer.h"

class QPushButton;
class QTreeWidget;

namespace corvane {

// The Organize Favorites dialog: the Favorites folder as a tree, with buttons to create a
// folder, rename, move into a folder and delete (to the trash, or for good after asking when
// there is no trash). The organizer decides what may be done; the dialog asks and shows.
class OrganizeFavoritesWindow : public QDialog {
  Q_OBJECT
 public:
  OrganizeFavoritesWindow(FavoritesOrganizer& organizer, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void refresh(const std::filesystem::path& select);
  std::filesystem::path selectedPath() const;
  // The folder new folders go into: the selected folder, or the selected item's folder.
  std::filesystem::path selectedFolder() const;
  void createFolder();
  void rename();
  void moveToFolder();
  void remove();
  // Whether the user keeps a name that had to be shortened (`kept`); true when it was not.
  bool keepsShortened(const std::optional<std::string>& kept);
  // Says what went wrong, if anything; true when the step was done.
  bool shown(const OrganizeResult& result);
  void updateButtons();

  FavoritesOrganizer& organizer_;
  QTreeWidget* tree_;
  QPushButton* rename_;
  QPushButton* move_;
  QPushButton* delete_;
};

}  // namespace corvane
