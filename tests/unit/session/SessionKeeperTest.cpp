#include "session/SessionKeeper.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "FakeSessionStrip.h"
#include "FakeTimer.h"
#include "PagesRig.h"
#include "TempDir.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

Session lastTime() {
  Session session;
  session.top.pages = {{"http://a/", "A", {{{"http://z/", "Z"}, {"http://a/", "A"}}, 1}, "ea"},
                       {"http://b/", "B", {{{"http://b/", "B"}}, 0}, "eb"}};
  session.top.shown = 1;
  session.bottom.pages = {{"http://c/", "C", {{{"http://c/", "C"}}, 0}, ""}};
  return session;
}

// Both panes, the session's file, lock and strip, and the keeper over them.
struct KeeperRig {
  KeeperRig()
      : store(dir.path() / "session.json"),
        lock(dir.path() / "session.lock"),
        keeper(store, lock, timer, strip, panes.top.pages, panes.bottom.pages) {}

  SessionStore::Loaded file() { return SessionStore(store.file()).Load(); }
  std::vector<std::string> topTitles() const { return panes.top.tabs.titles(); }

  TempDir dir;
  SessionStore store;
  SessionLock lock;
  FakeTimer timer;
  FakeSessionStrip strip;
  BothPanesRig panes;
  SessionKeeper keeper;
};

TEST(SessionKeeperTest, WhatComesBackAtStartDependsOnHowTheLastRunEnded) {
  SessionStore::Loaded read;
  read.outcome = SessionStore::Outcome::Read;
  read.session = lastTime();
  SessionStore::Loaded clean = read;
  clean.cleanExit = true;
  SessionStore::Loaded empty = read;
  empty.session = Session();
  SessionStore::Loaded setAside;
  setAside.outcome = SessionStore::Outcome::SetAside;
  const struct {
    bool held;
    const SessionStore::Loaded& loaded;
    bool chosen;
    StartPages start;
  } cases[] = {
      {true, read, false, StartPages::OfferRestore}, {true, read, true, StartPages::OfferRestore},
      {true, clean, false, StartPages::HomePages},   {true, clean, true, StartPages::Restore},
      {false, read, true, StartPages::HomePages},    {true, empty, false, StartPages::HomePages},
      {true, setAside, true, StartPages::HomePages},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecideStartPages(c.held, c.loaded, c.chosen), c.start)
        << c.held << c.loaded.cleanExit << c.chosen;
  }
}

// The pages of a crashed run stay in the file while they are offered, so that another crash
// offers them again; taken or declined, the pages open then are what is kept.
TEST(SessionKeeperTest, AfterACrashThePagesAreOfferedAndKeptUntilTheUserAnswers) {
  for (bool restore : {true, false}) {
    KeeperRig rig;
    ASSERT_TRUE(rig.store.Save(lastTime(), false));
    EXPECT_EQ(rig.keeper.Start(false), StartPages::OfferRestore);
    EXPECT_EQ(rig.strip.calls(), Strings{"Offer:Corvane did not close properly|Restore Pages"});
    rig.panes.top.pages.NewPage();
    rig.keeper.SaveNow();
    EXPECT_FALSE(rig.timer.Enabled());
    EXPECT_EQ(rig.file().session, lastTime());

    if (restore) {
      rig.keeper.RestorePages();
      EXPECT_EQ(rig.strip.calls().back(), "Close");
      EXPECT_EQ(rig.topTitles(), (Strings{"New Page", "New Page", "A", "B"}));
      EXPECT_EQ(rig.panes.top.pages.Shown(), 3);
    } else {
      rig.keeper.DismissOffer();
    }
    EXPECT_TRUE(rig.timer.tick());
    EXPECT_FALSE(rig.timer.Enabled());
    const SessionStore::Loaded saved = rig.file();
    EXPECT_FALSE(saved.cleanExit);
    EXPECT_EQ(saved.session.top.pages.size(), restore ? 4u : 2u);
    EXPECT_EQ(saved.session.bottom.pages.size(), 1u);
  }
}

TEST(SessionKeeperTest, AProperCloseIsMarkedAndItsPagesComeBackOnlyWhenChosen) {
  for (bool chosen : {false, true}) {
    KeeperRig rig;
    ASSERT_TRUE(rig.store.Save(lastTime(), true));
    // Nothing is saved before the session has been read.
    rig.panes.top.pages.NewPage();
    EXPECT_FALSE(rig.timer.Enabled());
    EXPECT_EQ(rig.keeper.Start(chosen), chosen ? StartPages::Restore : StartPages::HomePages);
    EXPECT_TRUE(rig.strip.calls().empty());
    EXPECT_EQ(rig.topTitles().size(), chosen ? 4u : 2u);
    EXPECT_EQ(rig.panes.bottom.tabs.titles(), chosen ? Strings{"C"} : Strings{"New Page"});
    // From now on a crash would show: the run's pages are saved unmarked.
    EXPECT_TRUE(rig.timer.tick());
    EXPECT_FALSE(rig.file().cleanExit);

    rig.panes.top.pages.ClosePage(0);
    rig.keeper.Close();
    EXPECT_FALSE(rig.timer.Enabled());
    const SessionStore::Loaded closed = rig.file();
    EXPECT_TRUE(closed.cleanExit);
    EXPECT_EQ(closed.session,
              (Session{rig.panes.top.pages.Snapshot(), rig.panes.bottom.pages.Snapshot()}));
  }
}

TEST(SessionKeeperTest, ASecondCorvaneNeitherRestoresNorOverwrites) {
  TempDir dir;
  const SessionLock first(dir.path() / "session.lock");
  ASSERT_EQ(first.state(), SessionLock::State::Held);
  SessionStore store(dir.path() / "session.json");
  ASSERT_TRUE(store.Save(lastTime(), false));
  const SessionLock second(dir.path() / "session.lock");
  FakeTimer timer;
  FakeSessionStrip strip;
  BothPanesRig panes;
  SessionKeeper keeper(store, second, timer, strip, panes.top.pages, panes.bottom.pages);

  EXPECT_EQ(keeper.Start(true), StartPages::HomePages);
  EXPECT_EQ(strip.calls(),
            Strings{"Notify:Corvane is already running (process " + std::to_string(::getpid()) +
                    "): the pages of this window will not be kept."});
  panes.top.pages.NewPage();
  EXPECT_FALSE(timer.Enabled());
  keeper.ForgetHistory();
  keeper.Close();
  const SessionStore::Loaded kept = SessionStore(store.file()).Load();
  EXPECT_EQ(kept.session, lastTime());
  EXPECT_FALSE(kept.cleanExit);
}

TEST(SessionKeeperTest, AnUnreadableSessionIsSaidOnceAndAFailedSaveOnceUntilOneWorks) {
  KeeperRig rig;
  rig.dir.writeFile("session.json", "{\"format\":1,");
  EXPECT_EQ(rig.keeper.Start(true), StartPages::HomePages);
  EXPECT_EQ(rig.strip.calls(),
            Strings{"Notify:The pages from last time could not be restored: it is damaged. The "
                    "file was kept as " +
                    (rig.dir.path() / "session.json.unreadable").string() + "."});
  EXPECT_EQ(rig.topTitles(), Strings{"New Page"});
  EXPECT_TRUE(rig.timer.tick());
  EXPECT_EQ(rig.file().outcome, SessionStore::Outcome::Read);

  // No write bits: refused even to root.
  ASSERT_EQ(::chmod(rig.store.file().c_str(), 0444), 0);
  for (int i = 0; i < 2; ++i) {
    rig.panes.top.pages.NewPage();
    rig.timer.tick();
  }
  EXPECT_EQ(rig.strip.calls().size(), 2u);
  EXPECT_EQ(rig.strip.calls().back(),
            "Notify:The open pages could not be saved to " + rig.store.file().string() + ".");
  ASSERT_EQ(::chmod(rig.store.file().c_str(), 0644), 0);
  rig.keeper.Close();
  EXPECT_EQ(rig.file().session.top.pages.size(), 3u);
}

// Clearing the browsing history reaches the file at once, the offered pages of a crashed run
// included.
TEST(SessionKeeperTest, ForgettingHistoryEmptiesThePagesHistoriesInTheFileAtOnce) {
  Session forgotten = lastTime();
  for (PaneSnapshot* pane : {&forgotten.top, &forgotten.bottom}) {
    for (PageSnapshot& page : pane->pages) page.ForgetHistory();
  }
  {
    KeeperRig rig;
    ASSERT_TRUE(rig.store.Save(lastTime(), false));
    rig.keeper.Start(false);
    rig.keeper.ForgetHistory();
    const SessionStore::Loaded kept = rig.file();
    EXPECT_EQ(kept.session, forgotten);
    EXPECT_FALSE(kept.cleanExit);
    rig.keeper.RestorePages();
    EXPECT_EQ(rig.panes.top.shown().restored, Strings{});
    EXPECT_EQ(rig.panes.top.shown().control.navigations(), Strings{"http://b/"});
  }
  KeeperRig rig;
  ASSERT_TRUE(rig.store.Save(lastTime(), true));
  rig.keeper.Start(true);
  rig.panes.top.view(1).history = lastTime().top.pages[1].history;
  rig.keeper.ForgetHistory();
  EXPECT_FALSE(rig.timer.Enabled());
  const SessionStore::Loaded kept = rig.file();
  EXPECT_EQ(kept.session.top.pages[0].history, forgotten.top.pages[0].history);
  EXPECT_EQ(kept.session.top.pages[1].engineHistory, "cleared");
}

}  // namespace
}  // namespace corvane
