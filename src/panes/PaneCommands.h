#pragma once

#include <functional>
#include <string>

#include "base/mdlGen.h"
#include "panes/FolderView.h"
#include "panes/PaneController.h"
#include "platform/IFileDialog.h"

namespace corvane {

// What a pane's toolbar buttons do, and the pane commands the Navigation, Chat and File menus
// reach for either pane: home pages, the site's news and chat pages, and folder view.
//
// Failures are ignored statement by statement: a step that fails is skipped, the rest runs and
// nothing is reported.
class PaneCommands {
 public:
  // siteBase: the product site's address without a trailing slash. favoritesToggle shows or
  // hides the favorites pane; the same one serves both toolbars.
  PaneCommands(PaneController& controller, const mdlGen& settings, IFileDialog& fileDialog,
               const std::string& siteBase, std::function<void()> favoritesToggle);
  PaneCommands(const PaneCommands&) = delete;
  PaneCommands& operator=(const PaneCommands&) = delete;

  Pane& pane() { return controller_.pane(); }
  FolderView& folderView() { return folderView_; }

  // A toolbar button, by its key: "Fav", "Chat", "Back", "Forward", "Refresh", "Home", "Search"
  // or "Stop"; any other key does nothing. Back and Forward step through the folder while folder
  // view is on, else through the control's history.
  void ButtonClick(const std::string& key);

  // Goes to the home page stored in the settings file under section, read afresh at each call,
  // so that a page changed in the settings takes effect without a restart.
  void Home(const std::string& section);
  // The settings sections of this pane's online and offline home pages.
  std::string OnlineHomeSection() const;
  std::string OfflineHomeSection() const;
  // The site's chat page, and its news and search page, through the navigation entry.
  void ShowChat();
  void ShowNewsAndSearch();
  // The control's Stop. A load it ends is heard as stopped, not as a page loaded; the bar and
  // the status line are left to the control's events.
  void StopLoading();

 private:
  // Sets the address box text and calls the navigation entry.
  void goTo(const std::string& address);
  void stop();

  PaneController& controller_;
  const mdlGen& settings_;
  std::string chatPage_;
  std::string newsAndSearchPage_;
  std::function<void()> favoritesToggle_;
  FolderView folderView_;
};

}  // namespace corvane
