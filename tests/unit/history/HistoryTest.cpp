#include "history/History.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <string>
#include <vector>

#include "FakeClock.h"
#include "RecordingHistoryNotices.h"
#include "TempDir.h"
#include "history/Frecency.h"

namespace corvane {
namespace {

using Strings = std::vector<std::string>;

constexpr std::int64_t kHour = FakeClock::kHourMs;
constexpr std::int64_t kDay = FakeClock::kDayMs;
// 15:00 on a day of the clock's time zone.
constexpr std::int64_t kNow = 20000 * kDay + 15 * kHour;

struct Rig {
  explicit Rig(int busyTimeoutMs = History::kBusyTimeoutMs) : busyTimeoutMs(busyTimeoutMs) {
    reopen();
  }
  void reopen() {
    history.reset();
    history = std::make_unique<History>(path(), clock, notices, busyTimeoutMs);
    history->Flush();
  }
  std::string path() const { return (dir.path() / "data" / "history.sqlite").string(); }
  void visitAt(std::int64_t at, const std::string& url, const std::string& title = "") {
    clock.set(at);
    history->RecordVisit(url, title);
  }
  Strings visits(const std::string& search = "") {
    const HistoryVisits found = history->Visits(search);
    Strings urls;
    for (const HistoryVisits::Visit& visit : found.visits) {
      urls.push_back(found.pages.at(visit.page).url);
    }
    return urls;
  }

  TempDir dir;
  FakeClock clock{kNow};
  RecordingHistoryNotices notices;
  int busyTimeoutMs;
  std::unique_ptr<History> history;
};

// A second connection to the file, as another program has it.
struct RawDatabase {
  explicit RawDatabase(const std::string& path) { sqlite3_open(path.c_str(), &db); }
  ~RawDatabase() { sqlite3_close(db); }
  int exec(const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }
  sqlite3* db = nullptr;
};

TEST(HistoryTest, VisitsAreKeptOnDiskAndReadBackAtTheNextStart) {
  Rig rig;
  rig.visitAt(kNow - 2 * kDay, "https://a.test/", "A");
  rig.visitAt(kNow - kHour, "http://b.test/x?q=1");
  rig.history->SetTitle("http://b.test/x?q=1", "Bee");
  rig.visitAt(kNow, "https://a.test/", "A again");
  for (const char* unrecorded : {"about:blank", "data:text/html,x", "javascript:1", "bad words"}) {
    rig.history->RecordVisit(unrecorded, "");
  }
  rig.history->RecordVisit("http://long.test/?q=" + std::string(History::kMaxRecordedUrlBytes, 'x'),
                           "");
  const HistoryEntry before = *rig.history->Index().Find("https://a.test/");

  rig.reopen();
  const HistoryIndex& index = rig.history->Index();
  EXPECT_EQ(index.size(), 2u);
  const HistoryEntry* a = index.Find("https://a.test/");
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->title, "A again");
  EXPECT_EQ(a->visitCount, 2);
  EXPECT_EQ(a->lastVisitMs, kNow);
  EXPECT_DOUBLE_EQ(a->rank, before.rank);
  EXPECT_EQ(index.Find("http://b.test/x?q=1")->title, "Bee");
  EXPECT_EQ(rig.visits(), (Strings{"https://a.test/", "http://b.test/x?q=1", "https://a.test/"}));
  EXPECT_EQ(rig.history->Visits("bee").pages.at(0).title, "Bee");
  EXPECT_TRUE(rig.notices.messages().empty());
}

// The file is read while the window already runs; what this run changed meanwhile stays.
TEST(HistoryTest, ThePagesOfTheFileJoinThoseOfThisRunOnceRead) {
  Rig rig;
  rig.visitAt(kNow - kDay, "http://earlier.test/", "Earlier");
  rig.visitAt(kNow - kDay, "http://gone.test/", "Gone");
  rig.history.reset();
  rig.history = std::make_unique<History>(rig.path(), rig.clock, rig.notices);
  rig.visitAt(kNow, "http://earlier.test/", "Earlier again");
  rig.visitAt(kNow, "http://now.test/", "Now");
  rig.history->Remove("http://gone.test/");
  EXPECT_NE(rig.history->Index().Find("http://now.test/"), nullptr);
  rig.history->Flush();
  const HistoryIndex& index = rig.history->Index();
  EXPECT_EQ(index.size(), 2u);
  EXPECT_EQ(index.Find("http://earlier.test/")->visitCount, 2);
  EXPECT_EQ(index.Find("http://earlier.test/")->title, "Earlier again");
  EXPECT_EQ(index.Find("http://gone.test/"), nullptr);
}

TEST(HistoryTest, SearchTakesQuotesPercentUnderscoreAndSqlAsTyped) {
  Rig rig;
  rig.visitAt(kNow - 3, "http://a.test/", "100% pure_water \"quoted\" it's *starred*");
  rig.visitAt(kNow - 2, "http://b.test/", "1000 purewater quoted its starred");
  rig.visitAt(kNow - 1, "http://c.test/", "Grüße aus Köln; DROP TABLE visits");
  struct Case {
    const char* search;
    Strings urls;
  };
  for (const Case& c : {
           Case{"100%", {"http://a.test/"}},
           Case{"e_w", {"http://a.test/"}},
           Case{"\"quoted\"", {"http://a.test/"}},
           Case{"it's", {"http://a.test/"}},
           Case{"*", {"http://a.test/"}},
           Case{"Grüße KÖLN", {}},
           Case{"grüße köln", {"http://c.test/"}},
           Case{"'; DROP TABLE visits; --", {}},
           Case{"drop table", {"http://c.test/"}},
           Case{"\\", {}},
           Case{"  ", {"http://c.test/", "http://b.test/", "http://a.test/"}},
       }) {
    EXPECT_EQ(rig.visits(c.search), c.urls) << c.search;
  }
}

TEST(HistoryTest, RemovedPagesAndClearedRangesGoFromDiskAndFromTheIndex) {
  Rig rig;
  rig.visitAt(kNow - 2 * kDay, "http://old.test/", "Old");
  rig.visitAt(kNow - 2 * kDay, "http://both.test/", "Both");
  rig.visitAt(kNow - 6 * kHour, "http://morning.test/", "Morning");
  rig.visitAt(kNow - 30 * 60 * 1000, "http://both.test/", "Both");
  rig.visitAt(kNow - 20 * 60 * 1000, "http://recent.test/", "Recent");
  rig.visitAt(kNow - kDay, "http://gone.test/", "Gone");
  rig.visitAt(kNow - kHour / 2, "http://gone.test/", "Gone");
  rig.clock.set(kNow);

  rig.history->Remove("http://gone.test/");
  rig.history->Clear(History::Range::LastHour);
  EXPECT_EQ(rig.visits(),
            (Strings{"http://morning.test/", "http://both.test/", "http://old.test/"}));
  const HistoryEntry* both = rig.history->Index().Find("http://both.test/");
  ASSERT_NE(both, nullptr);
  EXPECT_EQ(both->visitCount, 1);
  EXPECT_EQ(both->lastVisitMs, kNow - 2 * kDay);
  EXPECT_DOUBLE_EQ(both->rank, Frecency::FirstVisit(kNow - 2 * kDay));
  EXPECT_EQ(rig.history->Index().Find("http://recent.test/"), nullptr);

  rig.history->Clear(History::Range::Today);
  EXPECT_EQ(rig.visits(), (Strings{"http://both.test/", "http://old.test/"}));
  EXPECT_EQ(rig.history->Index().size(), 2u);

  rig.history->Clear(History::Range::Everything);
  EXPECT_EQ(rig.history->Index().size(), 0u);
  rig.history->Flush();
  // Not only unlinked: the file and its log hold the addresses no more.
  for (const char* file : {"history.sqlite", "history.sqlite-wal"}) {
    EXPECT_EQ(rig.dir.readFile(std::string("data/") + file).find("old.test"), std::string::npos)
        << file;
  }
  rig.reopen();
  EXPECT_EQ(rig.history->Index().size(), 0u);
  EXPECT_EQ(rig.visits(), Strings{});
}

TEST(HistoryTest, TwoRunningCopiesRecordIntoTheSameFile) {
  Rig first;
  History second(first.path(), first.clock, first.notices);
  first.visitAt(kNow, "http://first.test/");
  second.RecordVisit("http://second.test/", "");
  first.history->RecordVisit("http://both.test/", "");
  second.RecordVisit("http://both.test/", "");
  second.Flush();
  EXPECT_EQ(first.visits().size(), 4u);
  first.reopen();
  EXPECT_EQ(first.history->Index().Find("http://both.test/")->visitCount, 2);
  EXPECT_TRUE(first.notices.messages().empty());
}

TEST(HistoryTest, ADamagedFileIsSetAsideAndANewHistoryBegunWithOneMessage) {
  TempDir dir;
  const std::string garbage(5000, 'x');
  const auto path = dir.writeFile("history.sqlite", garbage);
  dir.writeFile("history.sqlite.damaged", "an earlier one");
  FakeClock clock(kNow);
  RecordingHistoryNotices notices;
  {
    History history(path.string(), clock, notices);
    history.RecordVisit("http://a.test/", "A");
    history.Flush();
    EXPECT_TRUE(history.Recording());
  }
  EXPECT_EQ(dir.readFile("history.sqlite.damaged-2"), garbage);
  EXPECT_EQ(dir.readFile("history.sqlite.damaged"), "an earlier one");
  ASSERT_EQ(notices.messages().size(), 1u);
  EXPECT_NE(notices.messages()[0].find("set aside as history.sqlite.damaged-2"), std::string::npos)
      << notices.messages()[0];
  History again(path.string(), clock, notices);
  again.Flush();
  EXPECT_NE(again.Index().Find("http://a.test/"), nullptr);
  EXPECT_EQ(notices.messages().size(), 1u);
}

TEST(HistoryTest, AFileLockedByAnotherProgramLeavesThisRunWithoutRecordingSaidOnce) {
  Rig rig(50);
  rig.visitAt(kNow - kDay, "http://kept.test/");
  rig.history->Flush();
  {
    RawDatabase other(rig.path());
    ASSERT_EQ(other.exec("BEGIN EXCLUSIVE"), SQLITE_OK);
    rig.visitAt(kNow, "http://a.test/");
    rig.history->Flush();
    rig.visitAt(kNow, "http://b.test/");
    rig.history->Flush();
  }
  EXPECT_FALSE(rig.history->Recording());
  ASSERT_EQ(rig.notices.messages().size(), 1u);
  EXPECT_NE(rig.notices.messages()[0].find("in use by another program"), std::string::npos);
  // The pages of this run are still suggested, but not kept.
  EXPECT_NE(rig.history->Index().Find("http://b.test/"), nullptr);
  rig.visitAt(kNow, "http://c.test/");
  rig.reopen();
  EXPECT_EQ(rig.visits(), Strings{"http://kept.test/"});

  // Held from before the start, in the old journal mode that shuts readers out too.
  TempDir dir;
  const std::string path = (dir.path() / "history.sqlite").string();
  RawDatabase other(path);
  ASSERT_EQ(other.exec("PRAGMA locking_mode = EXCLUSIVE; CREATE TABLE t(x); BEGIN EXCLUSIVE;"),
            SQLITE_OK);
  RecordingHistoryNotices notices;
  History locked(path, rig.clock, notices, 50);
  locked.RecordVisit("http://a.test/", "A");
  locked.Flush();
  EXPECT_FALSE(locked.Recording());
  EXPECT_EQ(notices.messages().size(), 1u);
}

TEST(HistoryTest, AFileOfANewerVersionOrOneThatCannotBeMadeIsLeftAlone) {
  TempDir dir;
  const std::string path = (dir.path() / "history.sqlite").string();
  {
    RawDatabase newer(path);
    ASSERT_EQ(newer.exec("CREATE TABLE future(x); PRAGMA user_version = 7;"), SQLITE_OK);
  }
  const std::string before = dir.readFile("history.sqlite");
  FakeClock clock(kNow);
  RecordingHistoryNotices notices;
  {
    History history(path, clock, notices);
    history.RecordVisit("http://a.test/", "A");
    history.Flush();
    EXPECT_FALSE(history.Recording());
  }
  EXPECT_EQ(dir.readFile("history.sqlite"), before);
  ASSERT_EQ(notices.messages().size(), 1u);
  EXPECT_NE(notices.messages()[0].find("newer version"), std::string::npos);

  // Its folder is a file.
  const auto file = dir.writeFile("data", "not a folder");
  RecordingHistoryNotices failed;
  History nowhere((file / "history.sqlite").string(), clock, failed);
  nowhere.Flush();
  EXPECT_FALSE(nowhere.Recording());
  EXPECT_EQ(failed.messages().size(), 1u);
}

}  // namespace
}  // namespace corvane
