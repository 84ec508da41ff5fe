#include "app/SettingsLocation.h"

#include <unistd.h>

#include <system_error>

namespace corvane {

namespace {

// The folder must let us create a file in it (write and search permission). access() asks the
// kernel, so ACLs and read-only mounts count, and nothing is left behind in the folder.
bool isWritableFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  return std::filesystem::is_directory(folder, ec) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

std::filesystem::path settingsFilePath(const std::filesystem::path& programFolder,
                                       const std::filesystem::path& userConfigFolder) {
  if (isWritableFolder(programFolder)) {
    return programFolder / "cv.ini";
  }
  std::error_code ec;
  std::filesystem::create_directories(userConfigFolder, ec);  // a failure shows at the first write
  return userConfigFolder / "cv.ini";
}

}  // namespace corvane
