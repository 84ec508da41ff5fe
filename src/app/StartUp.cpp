#include "app/StartUp.h"

#include <utility>

#include "app/SettingsLocation.h"
#include "base/Guarded.h"

namespace corvane {

StartUp::StartUp(ISplashWindow& splash, IMainWindowOpener& mainWindow,
                 std::filesystem::path programFolder, std::filesystem::path userConfigFolder,
                 std::string siteBase)
    : splash_(splash),
      mainWindow_(mainWindow),
      programFolder_(std::move(programFolder)),
      userConfigFolder_(std::move(userConfigFolder)),
      siteBase_(std::move(siteBase)) {}

void StartUp::StartMainWindow() {
  if (started_) {
    return;  // one main window per run, none after the splash was closed
  }
  started_ = true;
  // The splash goes first: cv.ini is neither read nor written while it shows.
  guarded([&] { splash_.CloseSplash(); });
  guarded([&] { settings_.emplace(settingsFilePath(programFolder_, userConfigFolder_)); });
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
