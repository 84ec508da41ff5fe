#include "session/SessionStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "session/SessionJson.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

Session sampleSession() {
  std::string everyByte;
  for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
  Session session;
  session.top.pages = {
      {"http://a.example/",
       "Ä \"quoted\" \xF0\x9F\x98\x80",
       {{{"http://z/", "Z"}, {"http://a.example/", "A"}, {"http://y/", ""}}, 1},
       everyByte},
      {"", "", {}, ""},
      {"file:///home/u/x y.html", "x", {{{"file:///home/u/x y.html", "x"}}, 0}, "ab"}};
  session.top.shown = 2;
  return session;
}

TEST(SessionStoreTest, ASessionComesBackAsItWasSavedWithTheMarkOfHowItEnded) {
  TempDir dir;
  SessionStore store(dir.path() / "data" / "corvane" / "session.json");
  EXPECT_EQ(store.Load().outcome, SessionStore::Outcome::Missing);
  for (bool cleanExit : {false, true}) {
    ASSERT_TRUE(store.Save(sampleSession(), cleanExit));
    const SessionStore::Loaded loaded = store.Load();
    EXPECT_EQ(loaded.outcome, SessionStore::Outcome::Read);
    EXPECT_EQ(loaded.session, sampleSession());
    EXPECT_EQ(loaded.cleanExit, cleanExit);
  }
  // What a killed save left beside it goes at the next start.
  const fs::path leftover = dir.writeFile("data/corvane/.corvane-save-999999-1-1.tmp", "half");
  store.Load();
  EXPECT_FALSE(fs::exists(leftover));
}

// Anything that is not a whole session of a known format is set aside under a name of its own,
// never over an earlier one, and the next save starts afresh.
TEST(SessionStoreTest, AFileThatIsNoSessionIsSetAsideAndKept) {
  TempDir dir;
  const std::string whole = SessionJson::Write(sampleSession(), false);
  const std::string page =
      R"({"address":"a","title":"t","entries":[{"address":"a","title":"t"}],"current":0,)"
      R"("engineHistory":""})";
  const auto session = [](const std::string& top) {
    return R"({"format":1,"cleanExit":true,"top":)" + top + R"(,"bottom":{"shown":0,"pages":[]}})";
  };
  const std::vector<std::string> damaged = {
      "",
      whole.substr(0, whole.size() / 2),
      "[]",
      R"({"format":1})",
      R"({"format":0,"cleanExit":true,"top":{"shown":0,"pages":[]},"bottom":{"shown":0,"pages":[]}})",
      R"({"format":"1","cleanExit":true,"top":{"shown":0,"pages":[]},"bottom":{"shown":0,"pages":[]}})",
      session(R"({"shown":1,"pages":[)" + page + "]}"),
      session(R"({"shown":0,"pages":[{"address":"a","title":"t","entries":[],"current":0,)"
              R"("engineHistory":""}]})"),
      session(R"({"shown":0,"pages":[{"address":"a","title":7,"entries":[],"current":-1,)"
              R"("engineHistory":""}]})"),
      session(R"({"shown":0,"pages":[{"address":"a","title":"t","entries":[],"current":-1,)"
              R"("engineHistory":"QQ=A"}]})"),
      "{\"format\":1,\"cleanExit\":true,\"top\":{\"shown\":0,\"pages\":[{\"address\":\"\xC3\","};
  ASSERT_EQ(SessionJson::Read(session(R"({"shown":0,"pages":[)" + page + "]}")).outcome,
            SessionJson::Outcome::Read);

  SessionStore store(dir.path() / "session.json");
  for (std::size_t i = 0; i < damaged.size(); ++i) {
    dir.writeFile("session.json", damaged[i]);
    const SessionStore::Loaded loaded = store.Load();
    EXPECT_EQ(loaded.outcome, SessionStore::Outcome::SetAside) << damaged[i];
    EXPECT_EQ(loaded.problem, "it is damaged") << damaged[i];
    const std::string kept =
        i == 0 ? "session.json.unreadable" : "session.json.unreadable-" + std::to_string(i + 1);
    EXPECT_EQ(loaded.keptAs, dir.path() / kept);
    EXPECT_EQ(dir.readFile(kept), damaged[i]);
  }
  EXPECT_EQ(store.Load().outcome, SessionStore::Outcome::Missing);

  // A newer Corvane's file is kept for that Corvane, whatever else it holds.
  for (const char* format : {"2", "99999999999999"}) {
    dir.writeFile("session.json", std::string(R"({"format":)") + format + R"(,"tabs":"new"})");
    const SessionStore::Loaded loaded = store.Load();
    EXPECT_EQ(loaded.outcome, SessionStore::Outcome::SetAside);
    EXPECT_EQ(loaded.problem, "a newer version of Corvane wrote it");
  }
  fs::create_directory(dir.path() / "session.json");
  EXPECT_EQ(store.Load().problem, "it is not a file");
}

}  // namespace
}  // namespace corvane
