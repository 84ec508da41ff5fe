#pragma once

#include <functional>
#include <string>

#include "platform/IStatusLine.h"

namespace corvane {

// The one writer of a pane's status line: the navigation, the toolbar's Stop, the favorites and
// the folder view say what happened and this class says it in the line's words. Each write is
// guarded on its own: a line that fails to show a text leaves the caller's next step running.
class PaneStatus {
 public:
  explicit PaneStatus(IStatusLine& line) : line_(line) {}
  PaneStatus(const PaneStatus&) = delete;
  PaneStatus& operator=(const PaneStatus&) = delete;

  // A navigation to `address` has been asked for.
  void GoingTo(const std::string& address);
  // The status poll found the control still busy.
  void Working();
  // The control's own text while it loads.
  void EngineText(const std::string& text);
  // The page has come (or a load was stopped): its title.
  void PageTitle(const std::string& title);
  // The page has finished loading: its title, said once to screen readers as well.
  void PageLoaded(const std::string& title);
  // Runs `stop`, which ends the load under way: screen readers hear that it was stopped, and
  // the end of the load it brings is not said as a page loaded.
  void LoadStopped(const std::function<void()>& stop);
  // The focus is in the pane's page: says the place and the page's title to screen readers.
  void PlaceOfPage(const std::string& place, const std::string& title);
  // The pane has switched to its page `number` of `count`: said to screen readers, as a sighted
  // user sees the tab change.
  void PageShown(int number, int count, const std::string& title);
  // Folder view is on with `count` files in the folder.
  void FolderView(int count);
  // The file a folder-view step was to show has gone from its folder.
  void FileVanished(const std::string& name);
  // The reader view was asked for a page that has no article it can show: said to screen
  // readers as well, since nothing else changes.
  void ReaderNotAvailable();

  // What the line shows, and the same text put back (panes that change places keep their lines).
  std::string Caption() const { return line_.Caption(); }
  void Restore(const std::string& caption);

 private:
  void show(const std::string& text);

  IStatusLine& line_;
  // The title said for the load under way, so that a load reported finished twice is said once.
  std::string announced_;
  bool loadAnnounced_ = false;
  bool stopping_ = false;
};

}  // namespace corvane
