#include "app/StartUp.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "RecordingSkippedFailures.h"
#include "TempDir.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

const std::string kSite = "http://www.corvane.example.com";

// The splash and the main window as the start-up sees them. Records each call; the call named
// by failing throws after it is recorded. The main window is open once created and loaded,
// unless it never shows.
class FakeWindows : public ISplashWindow, public IMainWindowOpener {
 public:
  Strings calls;
  std::string failing;
  std::function<void()> onCloseSplash;
  HomePages homes;
  bool created = false;
  bool loaded = false;
  bool shows = true;
  std::vector<std::pair<int, std::string>> ends;

  void CloseSplash() override {
    if (onCloseSplash) onCloseSplash();
    step("CloseSplash");
  }
  void EndProgram(int status, const std::string& message) override {
    ends.emplace_back(status, message);
  }
  void CreateMainWindow(const HomePages& h, mdlGen&) override {
    homes = h;
    step("CreateMainWindow");
    created = true;
  }
  void LoadMainWindow() override {
    step("LoadMainWindow");
    loaded = created;
  }
  bool MainWindowIsOpen() const override { return loaded && shows; }

 private:
  void step(const std::string& call) {
    calls.push_back(call);
    if (call == failing) throw std::runtime_error(call);
  }
};

const Strings kOrder = {"CloseSplash", "CreateMainWindow", "LoadMainWindow"};

Strings pagesOf(const HomePages& p) {
  return {p.StartingAddress1, p.StartingAddress2, p.StartingAddressOffLine1,
          p.StartingAddressOffLine2};
}

class StartUpTest : public ::testing::Test {
 protected:
  StartUp startUp(const fs::path& program) {
    return StartUp(windows_, windows_, program, dir_.path() / "config", kSite);
  }

  TempDir dir_;
  FakeWindows windows_;
};

TEST_F(StartUpTest, ClosesTheSplashThenReadsCvIniThenOpensOneMainWindow) {
  // cv.ini as it is once the splash has closed; a read before that would not see it.
  windows_.onCloseSplash = [&] {
    dir_.writeFile("cv.ini",
                   "[TBstart]\n1=http://a/\n[TBstartOffLine]\n1=/a.html\n"
                   "[BBstart]\n1=http://b/\n[BBstartOffLine]\n1=/b.html\n");
  };
  StartUp start = startUp(dir_.path());
  start.StartMainWindow();
  EXPECT_EQ(windows_.calls, kOrder);
  EXPECT_EQ(pagesOf(windows_.homes), (Strings{"http://a/", "http://b/", "/a.html", "/b.html"}));

  start.StartMainWindow();
  EXPECT_EQ(windows_.calls, kOrder);
  EXPECT_TRUE(windows_.ends.empty());
}

// A failing step is skipped and the next runs, and the skip is traced from its own place; but
// a main window that can't be made or shown leaves no window at all: the process must end,
// saying why, rather than run on with nothing on the screen.
TEST_F(StartUpTest, AFailingStepIsSkippedAndNoMainWindowEndsTheProgramWithAMessage) {
  using Ends = std::vector<std::pair<int, std::string>>;
  const std::pair<int, std::string> failure = {1, "corvane: the main window could not be opened"};
  for (const char* failing : {"CloseSplash", "CreateMainWindow", "LoadMainWindow", "never shown"}) {
    TempDir program;
    FakeWindows windows;
    windows.failing = failing;
    windows.shows = windows.failing != "never shown";
    RecordingSkippedFailures trace;
    StartUp(windows, windows, program.path(), dir_.path() / "config", kSite).StartMainWindow();
    EXPECT_EQ(windows.calls, kOrder) << failing;
    if (windows.shows) {
      ASSERT_EQ(trace.lines().size(), 1u) << failing;
      EXPECT_EQ(trace.lines()[0].rfind("src/app/StartUp.cpp:", 0), 0u) << trace.lines()[0];
      EXPECT_NE(
          trace.lines()[0].find(": in StartMainWindow: std::runtime_error: " + windows.failing),
          std::string::npos)
          << trace.lines()[0];
    } else {
      EXPECT_TRUE(trace.lines().empty());
    }
    EXPECT_EQ(windows.homes.StartingAddressOffLine1, (program.path() / "cv.html").string());
    EXPECT_TRUE(fs::exists(program.path() / "cv.ini")) << failing;
    EXPECT_EQ(windows.ends, windows.failing == "CloseSplash" ? Ends{} : Ends{failure}) << failing;
  }
}

// What a killed save left beside cv.ini and among the favorites is gone after the next start.
TEST_F(StartUpTest, TempFilesOfKilledSavesAreRemovedAtTheNextStart) {
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  const std::string stale = ".corvane-save-" + std::to_string(gone) + "-1-0.tmp";
  dir_.writeFile("program/" + stale, "[TBstart]");
  dir_.writeFile("favorites/News/" + stale, "URL=x");
  StartUp(windows_, windows_, dir_.path() / "program", dir_.path() / "config", kSite,
          dir_.path() / "favorites")
      .StartMainWindow();
  EXPECT_FALSE(fs::exists(dir_.path() / "program" / stale));
  EXPECT_FALSE(fs::exists(dir_.path() / "favorites" / "News" / stale));
  EXPECT_TRUE(fs::exists(dir_.path() / "program" / "cv.ini"));
}

}  // namespace
}  // namespace corvane
