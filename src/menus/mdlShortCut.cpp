#include "menus/mdlShortCut.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "base/AtomicFile.h"
#include "base/Guarded.h"

namespace corvane::mdlShortCut {

namespace {

namespace fs = std::filesystem;

std::string failure(const std::string& what, const std::error_code& error) {
  return what + " (" + error.message() + ")";
}

// Creates the folder when it is missing; "" or what failed.
std::string ensureFolder(const fs::path& folder) {
  std::error_code error;
  if (fs::is_directory(folder, error)) return "";
  fs::create_directories(folder, error);
  if (error) return failure("the folder " + folder.string() + " could not be created", error);
  return "";
}

// A launcher is run only when it may be executed: add execute wherever reading is allowed.
std::string makeExecutable(const fs::path& file) {
  std::error_code error;
  const fs::perms current = fs::status(file, error).permissions();
  if (!error) {
    fs::perms exec = fs::perms::owner_exec;
    if ((current & fs::perms::group_read) != fs::perms::none) exec |= fs::perms::group_exec;
    if ((current & fs::perms::others_read) != fs::perms::none) exec |= fs::perms::others_exec;
    fs::permissions(file, exec, fs::perm_options::add, error);
  }
  if (error) return failure(file.string() + " could not be made executable", error);
  return "";
}

// One argument of a launcher's command line: quoted, with the characters that quoting leaves
// special escaped, then escaped once more as the file's string values are.
std::string quoteExecArgument(const std::string& argument) {
  std::string quoted = "\"";
  for (const char c : argument) {
    switch (c) {
      case '"':
      case '`':
      case '$':
        quoted += "\\\\";
        quoted += c;
        break;
      case '\\':
        quoted += "\\\\\\\\";
        break;
      case '%':
        quoted += "%%";
        break;
      case '\n':
        quoted += "\\n";
        break;
      case '\t':
        quoted += "\\t";
        break;
      case '\r':
        quoted += "\\r";
        break;
      default:
        quoted += c;
    }
  }
  return quoted + "\"";
}

}  // namespace

std::string GetShellFolder(IShellFolders& shell, ShellFolder folder) {
  std::string path;
  if (!guarded([&] { path = shell.GetShellFolder(folder); })) return "";
  return path;
}

std::string CopyFileToFolder(const std::string& source, const std::string& folder) {
  if (folder.empty()) return "your desktop folder could not be found";
  if (std::string missing = ensureFolder(folder); !missing.empty()) return missing;
  const fs::path target = fs::path(folder) / fs::path(source).filename();
  std::error_code error;
  fs::copy_file(source, target, fs::copy_options::overwrite_existing, error);
  if (error) return failure(source + " could not be copied to " + folder, error);
  return makeExecutable(target);
}

std::string WriteLauncherToFolder(const std::string& program, const std::string& folder) {
  if (folder.empty()) return "your desktop folder could not be found";
  if (std::string missing = ensureFolder(folder); !missing.empty()) return missing;
  // A launcher of a program that is gone would start nothing.
  std::error_code error;
  if (!fs::is_regular_file(program, error) || ::access(program.c_str(), X_OK) != 0) {
    return "the program " + program + " is not there to be started";
  }
  const fs::path target = fs::path(folder) / kLauncherName;
  // A directory in the launcher's place would swallow the write; say so rather than a vague
  // failure to open.
  if (fs::is_directory(target, error)) {
    return failure(target.string() + " could not be written",
                   std::make_error_code(std::errc::is_a_directory));
  }
  errno = 0;
  if (!AtomicFile(target).replace(LauncherText(program))) {
    const int code = errno != 0 ? errno : EIO;
    return failure(target.string() + " could not be written",
                   std::error_code(code, std::generic_category()));
  }
  return makeExecutable(target);
}

std::string LauncherText(const std::string& program) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Corvane\n"
         "GenericName=Web Browser\n"
         "Comment=Browse the web with two pages in one window, one above the other\n"
         "Exec=" +
         quoteExecArgument(program) +
         "\n"
         "Icon=corvane\n"
         "Terminal=false\n"
         "Categories=Network;WebBrowser;\n";
}

}  // namespace corvane::mdlShortCut
