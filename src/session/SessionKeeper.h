#pragma once

#include <optional>

#include "panes/PanePages.h"
#include "platform/ISessionStrip.h"
#include "platform/ITimer.h"
#include "session/Session.h"
#include "session/SessionLock.h"
#include "session/SessionStore.h"

namespace corvane {

// What the pages from last time become at start-up, once the home pages are on their way.
enum class StartPages {
  HomePages,
  // Offered back in the strip ("Restore Pages").
  OfferRestore,
  // Brought back at once, as the user chose.
  Restore,
};

// After a crash or a kill (a session without the mark of a proper close, and its lock free) the
// pages are offered back; after a proper close they come back only when the user chose "open
// the pages from last time". A second running Corvane (the lock held), a session that could not
// be read and one without pages leave the home pages.
StartPages DecideStartPages(bool lockHeld, const SessionStore::Loaded& loaded, bool openLastPages);

// Keeps both panes' pages in the session file: saved within the save timer's interval of any
// change, and once more, marked, when the program closes properly; brought back at start-up as
// DecideStartPages says. A Corvane that does not hold the lock neither reads nor writes the
// session; while the pages of a crashed run are offered, the file keeps them, so that another
// crash offers them again.
class SessionKeeper {
 public:
  static constexpr const char* kNotClosedProperly = "Corvane did not close properly";
  static constexpr const char* kRestorePages = "Restore Pages";

  // saveTimer ticks once about a second after it is switched on.
  SessionKeeper(SessionStore& store, const SessionLock& lock, ITimer& saveTimer,
                ISessionStrip& strip, PanePages& top, PanePages& bottom);
  ~SessionKeeper();
  SessionKeeper(const SessionKeeper&) = delete;
  SessionKeeper& operator=(const SessionKeeper&) = delete;

  // Reads the session and does what DecideStartPages says. Nothing is saved before this.
  StartPages Start(bool openLastPages);
  // The strip's "Restore Pages": every page comes back (those shown load, the others when
  // shown).
  void RestorePages();
  // The user closed the strip without restoring: the pages open now are saved from now on.
  void DismissOffer();
  // The pages changed: a save is on its way.
  void PagesChanged();
  // The save timer's tick.
  void SaveNow();
  // The main window closes properly: the last save, marked as such.
  void Close();
  // Clearing the browsing history: every page's back and forward entries and the closed pages
  // are forgotten, in the panes and at once in the file.
  void ForgetHistory();

 private:
  bool save(const Session& session, bool cleanExit);
  Session current() const;
  void notifyUnreadable(const SessionStore::Loaded& loaded);

  SessionStore& store_;
  const SessionLock& lock_;
  ITimer& saveTimer_;
  ISessionStrip& strip_;
  PanePages& top_;
  PanePages& bottom_;
  bool started_ = false;
  bool saving_ = false;
  // The pages of a crashed run, while offered.
  std::optional<Session> offered_;
  bool saveFailed_ = false;
};

}  // namespace corvane
