#include "session/SessionKeeper.h"

#include <string>
#include <utility>

#include "base/Guarded.h"

namespace corvane {

StartPages DecideStartPages(bool lockHeld, const SessionStore::Loaded& loaded, bool openLastPages) {
  if (!lockHeld || loaded.outcome != SessionStore::Outcome::Read || loaded.session.empty()) {
    return StartPages::HomePages;
  }
  if (!loaded.cleanExit) return StartPages::OfferRestore;
  return openLastPages ? StartPages::Restore : StartPages::HomePages;
}

SessionKeeper::SessionKeeper(SessionStore& store, const SessionLock& lock, ITimer& saveTimer,
                             ISessionStrip& strip, PanePages& top, PanePages& bottom)
    : store_(store), lock_(lock), saveTimer_(saveTimer), strip_(strip), top_(top), bottom_(bottom) {
  guarded([&] { saveTimer_.SetEnabled(false); });
  saveTimer_.SetOnTick([this] { SaveNow(); });
  top_.SetOnChanged([this] { PagesChanged(); });
  bottom_.SetOnChanged([this] { PagesChanged(); });
}

SessionKeeper::~SessionKeeper() {
  top_.SetOnChanged(nullptr);
  bottom_.SetOnChanged(nullptr);
  guarded([&] { saveTimer_.SetEnabled(false); });
  guarded([&] { saveTimer_.SetOnTick(nullptr); });
}

StartPages SessionKeeper::Start(bool openLastPages) {
  if (started_) return StartPages::HomePages;
  started_ = true;
  const bool held = lock_.state() == SessionLock::State::Held;
  if (lock_.state() == SessionLock::State::HeldByOther) {
    const std::string process =
        lock_.holder() > 0 ? " (process " + std::to_string(lock_.holder()) + ")" : "";
    guarded([&] {
      strip_.Notify("Corvane is already running" + process +
                    ": the pages of this window will not be kept.");
    });
  } else if (!held) {
    guarded(
        [&] { strip_.Notify("The open pages will not be kept: the data folder is not usable."); });
  }
  SessionStore::Loaded loaded;
  if (held) loaded = store_.Load();
  saving_ = held;
  if (loaded.outcome == SessionStore::Outcome::SetAside) notifyUnreadable(loaded);

  const StartPages start = DecideStartPages(held, loaded, openLastPages);
  if (start == StartPages::OfferRestore) {
    offered_ = std::move(loaded.session);
    guarded([&] { strip_.Offer(kNotClosedProperly, kRestorePages); });
  } else if (start == StartPages::Restore) {
    top_.Restore(loaded.session.top);
    bottom_.Restore(loaded.session.bottom);
  }
  // From now on a crash is told from a proper close.
  PagesChanged();
  return start;
}

void SessionKeeper::RestorePages() {
  if (!offered_) return;
  const Session session = std::move(*offered_);
  offered_.reset();
  guarded([&] { strip_.Close(); });
  top_.Restore(session.top);
  bottom_.Restore(session.bottom);
  PagesChanged();
}

void SessionKeeper::DismissOffer() {
  if (!offered_) return;
  offered_.reset();
  PagesChanged();
}

void SessionKeeper::PagesChanged() {
  if (!started_ || !saving_ || offered_) return;
  guarded([&] { saveTimer_.SetEnabled(true); });
}

void SessionKeeper::SaveNow() {
  guarded([&] { saveTimer_.SetEnabled(false); });
  if (!started_ || !saving_ || offered_) return;
  save(current(), false);
}

void SessionKeeper::Close() {
  guarded([&] { saveTimer_.SetEnabled(false); });
  if (!started_ || !saving_) return;
  save(current(), true);
  saving_ = false;
}

void SessionKeeper::ForgetHistory() {
  top_.ForgetHistory();
  bottom_.ForgetHistory();
  if (!started_ || !saving_) return;
  if (offered_) {
    for (PaneSnapshot* pane : {&offered_->top, &offered_->bottom}) {
      for (PageSnapshot& page : pane->pages) page.ForgetHistory();
    }
    save(*offered_, false);
    return;
  }
  SaveNow();
}

bool SessionKeeper::save(const Session& session, bool cleanExit) {
  bool saved = false;
  guarded([&] { saved = store_.Save(session, cleanExit); });
  // Said once, not at every change: the next save that works ends it.
  if (!saved && !saveFailed_) {
    guarded([&] {
      strip_.Notify("The open pages could not be saved to " + store_.file().string() + ".");
    });
  }
  saveFailed_ = !saved;
  return saved;
}

Session SessionKeeper::current() const { return Session{top_.Snapshot(), bottom_.Snapshot()}; }

void SessionKeeper::notifyUnreadable(const SessionStore::Loaded& loaded) {
  std::string text = "The pages from last time could not be restored: " + loaded.problem + ".";
  if (loaded.keptAs.empty()) {
    // Saving over it would lose it.
    saving_ = false;
    text += " The file " + store_.file().string() +
            " stays as it is, and the open pages will not be kept.";
  } else {
    text += " The file was kept as " + loaded.keptAs.string() + ".";
  }
  guarded([&] { strip_.Notify(text); });
}

}  // namespace corvane
