#include "app/StartUp.h"

#include <utility>

#include "app/SettingsLocation.h"
#include "base/AtomicFile.h"
#include "base/Guarded.h"

namespace corvane {

namespace {

// Temp files of saves that a kill or a crash stopped: beside cv.ini (and beside the file a link
// named cv.ini leads to), and anywhere in the Favorites folder.
void removeLeftovers(const std::filesystem::path& ini, const std::filesystem::path& favorites) {
  AtomicFile::removeLeftovers(ini.parent_path(), false);
  std::error_code ec;
  const std::filesystem::path landing = std::filesystem::weakly_canonical(ini, ec);
  if (!ec && landing.parent_path() != ini.parent_path()) {
    AtomicFile::removeLeftovers(landing.parent_path(), false);
  }
  if (!favorites.empty()) AtomicFile::removeLeftovers(favorites, true);
}

}  // namespace

StartUp::StartUp(ISplashWindow& splash, IMainWindowOpener& mainWindow,
                 std::filesystem::path programFolder, std::filesystem::path userConfigFolder,
                 std::string siteBase, std::filesystem::path favoritesFolder)
    : splash_(splash),
      mainWindow_(mainWindow),
      programFolder_(std::move(programFolder)),
      userConfigFolder_(std::move(userConfigFolder)),
      siteBase_(std::move(siteBase)),
      favoritesFolder_(std::move(favoritesFolder)) {}

void StartUp::StartMainWindow() {
  if (started_) {
    return;  // one main window per run, none after the splash was closed
  }
  started_ = true;
  // The splash goes first: cv.ini is neither read nor written while it shows.
  guarded([&] { splash_.CloseSplash(); });
  guarded([&] { settings_.emplace(settingsFilePath(programFolder_, userConfigFolder_)); });
  guarded([&] { removeLeftovers(settings_.value().path(), favoritesFolder_); });
  guarded([&] { homes_ = ResolveHomePages(settings_.value(), programFolder_, siteBase_); });
  guarded([&] { mainWindow_.CreateMainWindow(homes_, settings_.value()); });
  guarded([&] { mainWindow_.LoadMainWindow(); });

  // With no window left to close, nothing else would ever end the process.
  bool open = false;
  guarded([&] { open = mainWindow_.MainWindowIsOpen(); });
  if (!open) {
    guarded([&] { splash_.EndProgram(kNoMainWindowStatus, kNoMainWindowMessage); });
  }
}

void StartUp::SplashClosed() {
  if (started_) {
    return;  // the hand-over's own close
  }
  started_ = true;
  // A splash window doesn't count as the last window, so the program is ended here.
  guarded([&] { splash_.EndProgram(0, ""); });
}

}  // namespace corvane
