#pragma once

#include <optional>
#include <string>

#include "platform/IAddFavoriteDialog.h"

namespace corvane {

// A folder the Add Favorite dialog's New Folder makes.
struct NewFolder {
  FolderChoice folder;
  // What the dialog says before the folder is used; "" when its name is the one typed.
  std::string notice;
};

// The Add Favorite dialog's New Folder: a folder named `typed` inside the folder at `parent` (a
// FolderChoice's path), its file name made by the favorites' naming rule, so that any name,
// "/" or ".." included, is a name and stays where the user made it; a name too long for a file
// name is shortened, with a notice. Nothing for a blank name.
std::optional<NewFolder> NewFolderPath(const std::string& parent, const std::string& typed);

}  // namespace corvane
