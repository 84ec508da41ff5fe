#pragma once

#include <string>

#include "platform/IShellFolders.h"

namespace corvane {

// Puts a launcher of the program on the user's desktop: a copy of the installed one, or one
// written for the running program where none is installed. Each operation that places a file
// returns "" on success, or says what failed.
namespace mdlShortCut {

// The file name of the program's launcher, installed and on the desktop.
inline constexpr const char* kLauncherName = "corvane.desktop";

// The folder's path, or "" when the platform cannot name it.
std::string GetShellFolder(IShellFolders& shell, ShellFolder folder);

// Copies source into folder (created if missing), replacing a file of the same name without
// asking, and makes the copy executable.
std::string CopyFileToFolder(const std::string& source, const std::string& folder);

// Writes a launcher that starts program into folder (created if missing), replacing an earlier
// one without asking, and makes it executable; only for a program that is there to be run.
std::string WriteLauncherToFolder(const std::string& program, const std::string& folder);

// The launcher's text for program, its path quoted for the launcher's command line.
std::string LauncherText(const std::string& program);

}  // namespace mdlShortCut
}  // namespace corvane
