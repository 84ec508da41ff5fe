#pragma once

#include <string>

#include "platform/IOrganizeFavoritesDialog.h"
#include "platform/ITrash.h"

class QWidget;

namespace corvane {

// Opens the dialog on a folder, modal.
class QtOrganizeFavoritesDialog : public IOrganizeFavoritesDialog {
 public:
  QtOrganizeFavoritesDialog(ITrash& trash, QWidget* parent) : trash_(trash), parent_(parent) {}

  void DoOrganizeFavDlg(const std::string& folder) override;

 private:
  ITrash& trash_;
  QWidget* parent_;
};

}  // namespace corvane
