#pragma once

#include "platform/IAddFavoriteDialog.h"

class QWidget;

namespace corvane {

// The Add Favorite dialog: the page's name, made editable, and the folder of the favorites to
// put it in, with New Folder for a folder that is created when the favorite is added.
class QtAddFavoriteDialog : public IAddFavoriteDialog {
 public:
  explicit QtAddFavoriteDialog(QWidget* parent) : parent_(parent) {}

  std::optional<AddFavoriteChoice> AddFavorite(const AddFavoriteRequest& request) override;

 private:
  QWidget* parent_;
};

}  // namespace corvane
