#pragma once

#include <optional>
#include <string>

namespace corvane {

// The Add Favorite dialog's New Folder: the path, relative to the Favorites folder, of a folder
// named `typed` inside `parent` ("" for the Favorites folder itself). The name loses its outer
// blanks; nothing when it is empty, "." or "..", or holds a '/' — a name, not a path, so the new
// folder stays where the user made it.
std::optional<std::string> NewFolderPath(const std::string& parent, const std::string& typed);

}  // namespace corvane
