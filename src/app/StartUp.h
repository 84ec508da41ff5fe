#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "app/HomePages.h"
#include "app/IMainWindowOpener.h"
#include "app/ISplashWindow.h"
#include "base/mdlGen.h"

namespace corvane {

// The hand-over from the splash window to the main window. It owns the settings object that the
// main window is given, so it must outlive the main window.
class StartUp {
 public:
  // How the program ends when the hand-over leaves it without a main window.
  static constexpr int kNoMainWindowStatus = 1;
  static constexpr const char* kNoMainWindowMessage =
      "corvane: the main window could not be opened";

  // siteBase is the product site's address without a trailing slash; favoritesFolder, where
  // favorites are saved (none: "").
  StartUp(ISplashWindow& splash, IMainWindowOpener& mainWindow, std::filesystem::path programFolder,
          std::filesystem::path userConfigFolder, std::string siteBase,
          std::filesystem::path favoritesFolder = {});
  StartUp(const StartUp&) = delete;
  StartUp& operator=(const StartUp&) = delete;

  // The splash timer's tick: closes the splash, settles where cv.ini lives, removes what killed
  // saves left beside it and in the Favorites folder, resolves the home pages from cv.ini, then
  // creates and loads the main window. Each step guards its own failure, so
  // a failing step is skipped and the next one runs; if no main window is open at the end, the
  // program ends with kNoMainWindowStatus. Runs once; later calls do nothing.
  void StartMainWindow();
  // The splash window has closed. Before the hand-over that is the user closing it (the window
  // manager's close button, Alt+F4): start-up ends there, no main window comes, and the program
  // ends with status 0.
  void SplashClosed();

 private:
  ISplashWindow& splash_;
  IMainWindowOpener& mainWindow_;
  const std::filesystem::path programFolder_;
  const std::filesystem::path userConfigFolder_;
  const std::string siteBase_;
  const std::filesystem::path favoritesFolder_;
  bool started_ = false;
  std::optional<mdlGen> settings_;
  HomePages homes_;
};

}  // namespace corvane
