#pragma once

#include <string>
#include <vector>

#include "platform/IOrganizeFavoritesDialog.h"

namespace corvane {

// An Organize Favorites dialog that the user closes at once; it remembers each folder it got.
class FakeOrganizeFavoritesDialog : public IOrganizeFavoritesDialog {
 public:
  void DoOrganizeFavDlg(const std::string& folder) override { folders_.push_back(folder); }

  const std::vector<std::string>& folders() const { return folders_; }

 private:
  std::vector<std::string> folders_;
};

}  // namespace corvane
