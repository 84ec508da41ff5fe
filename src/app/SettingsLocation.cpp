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
  if (isWritableFolder(programFolder)) {
    return programFolder / kFileName;
  }
  std::error_code ec;
  fs::create_directories(userConfigFolder, ec);  // a failure shows at the first write
  fs::path userFile = userConfigFolder / kFileName;
  startFromPreset(programFolder / kFileName, userFile);
  return userFile;
}

}  // namespace corvane
