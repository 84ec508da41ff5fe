#pragma once

#include <filesystem>

namespace corvane {

// Where cv.ini lives: in the program's folder when that folder is writable (a build tree, a
// portable copy), else in the user's configuration folder, which is created when missing.
std::filesystem::path settingsFilePath(const std::filesystem::path& programFolder,
                                       const std::filesystem::path& userConfigFolder);

}  // namespace corvane
