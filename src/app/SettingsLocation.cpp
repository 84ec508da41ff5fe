#include "app/SettingsLocation.h"

#include <unistd.h>

#include <string>
#include <system_error>

#include "base/AtomicFile.h"
#include "base/ProfileFile.h"

namespace corvane {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFileName = "cv.ini";

// The folder must let us create a file in it (write and search permission). access() asks the
// kernel, so ACLs and read-only mounts count, and nothing is left behind in the folder.
bool isWritableFolder(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

// An installed Corvane: the program folder is <prefix>/lib/corvane and the command
// <prefix>/bin/corvane stands beside it (the install makes it a link into that folder). Its
// folder belongs to every user, so nothing is written there, whoever runs it, root included.
bool isInstalled(const fs::path& programFolder) {
  const fs::path folder = programFolder.lexically_normal();
  const fs::path named = folder.has_filename() ? folder : folder.parent_path();
  std::error_code ec;
  return named.filename() == "corvane" && named.parent_path().filename() == "lib" &&
         fs::symlink_status(named.parent_path().parent_path() / "bin" / "corvane", ec).type() !=
             fs::file_type::not_found;
}

// Starts the user's file as a copy of the preset when the user has none. Whatever fails, the
// user's file is left as it was: missing (defaults then apply, as without a preset) or the
// user's own.
void startFromPreset(const fs::path& preset, const fs::path& userFile) {
  std::error_code ec;
  if (fs::symlink_status(userFile, ec).type() != fs::file_type::not_found) {
    return;
  }
  std::string text;
  if (ProfileFile::readText(preset, text)) {
    AtomicFile(userFile).create(text);
  }
}

}  // namespace

fs::path settingsFilePath(const fs::path& programFolder, const fs::path& userConfigFolder) {
  if (!isInstalled(programFolder) && isWritableFolder(programFolder)) {
    return programFolder / kFileName;
  }
  std::error_code ec;
  fs::create_directories(userConfigFolder, ec);  // a failure shows at the first write
  fs::path userFile = userConfigFolder / kFileName;
  startFromPreset(programFolder / kFileName, userFile);
  return userFile;
}

}  // namespace corvane
