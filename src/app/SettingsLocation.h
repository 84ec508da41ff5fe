#pragma once

#include <filesystem>

namespace corvane {

// Where cv.ini lives: in the program's folder when that folder is writable and not an install
// (a build tree, a portable copy), else in the user's configuration folder, which is created
// when missing. An install is a program folder <prefix>/lib/corvane with <prefix>/bin/corvane
// beside it. In
// that case, a cv.ini beside the program (an administrator's preset) is where the user's file
// starts: when the user has none yet, it begins as a copy of it. The program's file is never
// written.
std::filesystem::path settingsFilePath(const std::filesystem::path& programFolder,
                                       const std::filesystem::path& userConfigFolder);

}  // namespace corvane
