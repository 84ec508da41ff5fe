#pragma once

#include <optional>
#include <string>

#include "platform/IAddFavoriteDialog.h"

namespace corvane {

// The Add Favorite dialog's New Folder: a folder named `typed` inside the folder at `parent` (a
// FolderChoice's path), its file name made by the favorites' naming rule, so that any name,
// "/" or ".." included, is a name and stays where the user made it. Nothing for a blank name.
std::optional<FolderChoice> NewFolderPath(const std::string& parent, const std::string& typed);

}  // namespace corvane
