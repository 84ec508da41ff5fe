#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/MainWindow.h"
#include "dialogs/InternetOptions.h"
#include "panes/PageLifecycleKeeper.h"
#include "panes/PanePages.h"
#include "panes/ShownPageBrowser.h"
#include "platform/IPageTabs.h"
#include "platform/IPageViews.h"
#include "platform/ISessionStrip.h"
#include "platform/ISettingsStore.h"
#include "platform/ISteadyClock.h"
#include "platform/ITimer.h"
#include "platform/TreeNode.h"
#include "session/SessionKeeper.h"
#include "session/SessionLock.h"
#include "session/SessionStore.h"

namespace corvane {

// Both panes' pages, and what the main window does with them beyond each pane's own rules: where
// a page opened from a link or a favorite goes, pages moved from pane to pane, the Internet
// Options' choices about pages, the pages kept in the session for the next start, and pages
// hidden for long, which give their memory back.
class MainWindowPages {
 public:
  static constexpr const char* kSessionFile = "session.json";
  static constexpr const char* kLockFile = "session.lock";

  // What one pane's pages are shown through: the pane's browser control (which must be the one
  // the window's pane was made with), its views and its strip of tabs.
  struct PanePlatform {
    ShownPageBrowser& browser;
    IPageViews& views;
    IPageTabs& tabs;
  };
  struct Platform {
    const ISteadyClock& clock;
    // Ticks every minute or so: the hidden pages are looked at.
    ITimer& lifecycleTimer;
    // Ticks about a second after it is switched on: the session is saved.
    ITimer& saveTimer;
    ISessionStrip& strip;
    // The user's data folder, which holds the session and its lock; "" when there is none.
    std::filesystem::path dataFolder;
    // Where the Internet Options are kept.
    ISettingsStore& settingsStore;
    std::string appName;
  };

  // Each pane starts with one blank page. The session's lock is taken here, for the run.
  MainWindowPages(MainWindow& window, const PanePlatform& top, const PanePlatform& bottom,
                  const Platform& platform);
  ~MainWindowPages();
  MainWindowPages(const MainWindowPages&) = delete;
  MainWindowPages& operator=(const MainWindowPages&) = delete;

  PanePages& pages(PaneId pane) { return pane == PaneId::Top ? *top_ : *bottom_; }

  // Once the window has loaded (its panes on their home pages): the Internet Options' choices
  // about pages, and the pages from last time as the session says.
  void Start();
  // The Internet Options have changed: the strip and the hidden pages follow them.
  void OptionsChanged();
  // The window closes properly: the session's last save.
  void Close();
  // Clearing the browsing history: every page's back and forward entries, the closed pages and
  // what the session keeps of them.
  void ForgetHistory();
  // The session strip's "Restore Pages", and the strip closed without it.
  void RestorePages() { session_.RestorePages(); }
  void DismissOffer() { session_.DismissOffer(); }

  // A new page for a link of `from`'s page (a middle click, a new window the page asks for),
  // in the pane that pane's links open in.
  IPageView& OpenLinkedPage(PaneId from, const std::string& address, PageOpening how,
                            PageLoad load = PageLoad::Navigate);
  // A favorite picked with the middle button opens as a new page, behind, in the pane the user
  // takes it to.
  void tvw_NodeMiddleClick(const TreeNode& node);
  // "Move Page to Other Pane", or a tab dropped on the other pane: there at `at`, else last.
  void MovePageToOtherPane(PaneId from, int index, std::optional<int> at = {});
  // "Swap Panes": each pane takes the other's pages.
  void SwapPages() { top_->SwapPagesWith(*bottom_); }

 private:
  InternetOptions options() const;

  MainWindow& window_;
  ISettingsStore& settingsStore_;
  std::string appName_;
  std::unique_ptr<PanePages> top_;
  std::unique_ptr<PanePages> bottom_;
  SessionLock lock_;
  SessionStore store_;
  SessionKeeper session_;
  PageLifecycleKeeper lifecycle_;
};

}  // namespace corvane
