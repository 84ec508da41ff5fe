#include "base/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <set>
#include <string>
#include <vector>

#include "FileSizeLimit.h"
#include "TempDir.h"
#include "UnprivilegedTest.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

std::set<std::string> namesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

TEST(AtomicFileReplace, CreatesOrReplacesTheFileKeepingItsModeAndLink) {
  TempDir dir;
  const fs::path real = dir.path() / "real.ini";
  ASSERT_TRUE(AtomicFile(real).replace("first"));
  EXPECT_EQ(dir.readFile("real.ini"), "first");
  ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
  fs::create_symlink("real.ini", dir.path() / "cv.ini");
  ASSERT_TRUE(AtomicFile(dir.path() / "cv.ini").replace("second"));
  EXPECT_EQ(dir.readFile("real.ini"), "second");
  EXPECT_TRUE(fs::is_symlink(dir.path() / "cv.ini"));
  EXPECT_EQ(fs::status(real).permissions(), static_cast<fs::perms>(0640));
  EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"cv.ini", "real.ini"}));
}

// Whatever stops a write, the old file stays as it was and no temp file is left.
TEST(AtomicFileReplace, FailedWriteLeavesNoTrace) {
  TempDir dir;
  const fs::path file = dir.writeFile("cv.ini", "old");
  const auto expectUntouched = [&] {
    EXPECT_EQ(dir.readFile("cv.ini"), "old");
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"cv.ini"});
  };
  ASSERT_EQ(::chmod(file.c_str(), 0444), 0);  // no write bits: refused even to root
  EXPECT_FALSE(AtomicFile(file).replace("new"));
  expectUntouched();
  ASSERT_EQ(::chmod(file.c_str(), 0644), 0);

  {
    const FileSizeLimit full(64);
    EXPECT_FALSE(AtomicFile(file).replace(std::string(200, 'v')));
  }
  expectUntouched();

  EXPECT_FALSE(AtomicFile(dir.path()).replace("a folder is no file"));
  EXPECT_FALSE(AtomicFile(dir.path() / "missing" / "cv.ini").replace("no folder"));
  expectUntouched();
}

// Settings kept as links: a link to a file not made yet gets its target, and stays a link.
TEST(AtomicFileReplace, ALinkToAFileNotMadeYetGetsItsTarget) {
  TempDir dir;
  fs::create_directory(dir.path() / "dotfiles");
  fs::create_symlink("dotfiles/cv.ini", dir.path() / "cv.ini");
  ASSERT_TRUE(AtomicFile(dir.path() / "cv.ini").replace("made"));
  EXPECT_TRUE(fs::is_symlink(dir.path() / "cv.ini"));
  EXPECT_EQ(dir.readFile("dotfiles/cv.ini"), "made");
  fs::create_symlink("loop.ini", dir.path() / "loop.ini");
  EXPECT_FALSE(AtomicFile(dir.path() / "loop.ini").replace("never"));
}

TEST(AtomicFileCreate, WritesANewFileButNeverReplacesOne) {
  TempDir dir;
  const fs::path file = dir.path() / "cv.ini";
  ASSERT_TRUE(AtomicFile(file).create("first"));
  EXPECT_EQ(dir.readFile("cv.ini"), "first");
  EXPECT_NE(fs::status(file).permissions() & fs::perms::owner_write, fs::perms::none);

  EXPECT_FALSE(AtomicFile(file).create("second"));
  EXPECT_EQ(dir.readFile("cv.ini"), "first");
  // A dangling link is something there too: it is neither replaced nor written through.
  fs::create_symlink("elsewhere.ini", dir.path() / "link.ini");
  EXPECT_FALSE(AtomicFile(dir.path() / "link.ini").create("third"));
  EXPECT_TRUE(fs::is_symlink(dir.path() / "link.ini"));
  EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"cv.ini", "link.ini"}));
}

// The system's file steps, with the process ended at step `dieAt` (counted from 1), as a kill
// between two steps would end it.
class DyingSteps : public FileSteps {
 public:
  static constexpr int kKilled = 42;
  explicit DyingSteps(int dieAt) : left_(dieAt) {}

  int createNew(const fs::path& p) override { return step(), FileSteps::createNew(p); }
  bool write(int fd, std::string_view data) override { return step(), FileSteps::write(fd, data); }
  bool copyModeAndOwner(int fd, const fs::path& from) override {
    return step(), FileSteps::copyModeAndOwner(fd, from);
  }
  bool sync(int fd) override { return step(), FileSteps::sync(fd); }
  bool close(int fd) override { return step(), FileSteps::close(fd); }
  bool rename(const fs::path& from, const fs::path& to) override {
    return step(), FileSteps::rename(from, to);
  }
  bool renameNoReplace(const fs::path& from, const fs::path& to) override {
    return step(), FileSteps::renameNoReplace(from, to);
  }
  void syncFolder(const fs::path& folder) override { step(), FileSteps::syncFolder(folder); }
  bool syncFileSystem(const fs::path& folder) override {
    return step(), FileSteps::syncFileSystem(folder);
  }

 private:
  void step() {
    if (--left_ == 0) ::_exit(kKilled);
  }
  int left_;
};

// Runs save in a child process that dies at step dieAt; false once the save ran to its end.
template <typename Save>
bool killedAtStep(int dieAt, Save save) {
  const pid_t child = ::fork();
  if (child == 0) {
    DyingSteps steps(dieAt);
    ::_exit(save(steps) ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status));
  if (WEXITSTATUS(status) == DyingSteps::kKilled) return true;
  EXPECT_EQ(WEXITSTATUS(status), 0);
  return false;
}

// A save killed between any two of its steps leaves the old file or the new one, never a mix,
// and the next start removes what it left behind.
TEST(AtomicFileKilled, EveryFileIsOldOrNewAndNoTempFileSurvivesTheNextStart) {
  TempDir dir;
  int kills = 0;
  int leftovers = 0;
  for (const bool replacing : {true, false}) {
    for (int step = 1; step < 20; ++step) {
      fs::remove(dir.path() / "Fav.url");
      if (replacing) dir.writeFile("Fav.url", "old");
      const bool killed = killedAtStep(step, [&](FileSteps& steps) {
        const AtomicFile file(dir.path() / "Fav.url", steps);
        return replacing ? file.replace(std::string(100000, 'n')) : file.create("new");
      });
      const std::string now = fs::exists(dir.path() / "Fav.url") ? dir.readFile("Fav.url") : "";
      const std::string after = replacing ? std::string(100000, 'n') : "new";
      EXPECT_TRUE(now == (replacing ? "old" : "") || now == after) << step;
      for (const std::string& name : namesIn(dir.path())) {
        // Nothing else there may be taken for a favorite.
        if (name != "Fav.url") {
          EXPECT_EQ(name.find(".url"), std::string::npos) << name;
        }
      }
      leftovers += AtomicFile::removeLeftovers(dir.path(), false);
      EXPECT_EQ(namesIn(dir.path()).size(), fs::exists(dir.path() / "Fav.url") ? 1u : 0u);
      if (!killed) break;
      ++kills;
    }
  }
  EXPECT_GE(kills, 10);
  EXPECT_GE(leftovers, 6);
}

// Many new files at once: killed at any step, each is whole or absent, what was there stays, and
// the next start removes the temp files left.
TEST(AtomicFileKilled, FilesCreatedTogetherAreEachWholeOrAbsent) {
  TempDir dir;
  const std::vector<NewFile> files = {{dir.path() / "a" / "One.url", std::string(5000, '1')},
                                      {dir.path() / "b" / "Two.url", "two"},
                                      {dir.path() / "a" / "Taken.url", "new"},
                                      {dir.path() / "b" / "Three.url", "three"}};
  int kills = 0;
  for (int step = 1; step < 40; ++step) {
    fs::remove_all(dir.path() / "a");
    fs::remove_all(dir.path() / "b");
    dir.writeFile("a/Taken.url", "old");
    fs::create_directory(dir.path() / "b");
    const bool killed = killedAtStep(step, [&](FileSteps& steps) {
      return AtomicFile::createAll(files, steps) == std::vector<bool>{true, true, false, true};
    });
    EXPECT_EQ(dir.readFile("a/Taken.url"), "old");
    for (const NewFile& file : files) {
      if (fs::exists(file.path) && file.path.filename() != "Taken.url") {
        EXPECT_EQ(dir.readFile(file.path.lexically_relative(dir.path())), file.text) << step;
      }
    }
    AtomicFile::removeLeftovers(dir.path(), true);
    for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
      EXPECT_TRUE(entry.is_directory() || entry.path().extension() == ".url") << entry.path();
    }
    if (!killed) break;
    ++kills;
  }
  EXPECT_GE(kills, 12);
}

TEST(AtomicFileLeftovers, OnlyTempFilesOfSavesNoLongerRunningAreRemoved) {
  TempDir dir;
  // Process 1 always runs; the others' names are not this writer's.
  const std::set<std::string> kept = {".corvane-save-1-5-0.tmp", "corvane-save-9-5-0.tmp",
                                      ".corvane-save-x-5-0.tmp", ".corvane-save-9-5-0.tmp.url",
                                      ".Fav.url.tmp-1-5-0",      "Fav.url.tmp-9-5-0",
                                      ".Fav.url.tmp-9-5",        "cv.ini"};
  for (const std::string& name : kept) dir.writeFile(name, "x");
  const pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  const std::string stale = ".corvane-save-" + std::to_string(gone) + "-7-3.tmp";
  // The form older versions wrote.
  const std::string older = ".Fav.url.tmp-" + std::to_string(gone) + "-7-3";
  for (const std::string& name : {stale, older}) {
    EXPECT_TRUE(AtomicFile::isTempName(name));
    dir.writeFile(name, "x");
    dir.writeFile("sub/" + name, "x");
  }
  fs::create_directory(dir.path() / ("dir" + stale));
  EXPECT_EQ(AtomicFile::removeLeftovers(dir.path(), false), 2);
  EXPECT_TRUE(fs::exists(dir.path() / "sub" / stale));
  EXPECT_EQ(AtomicFile::removeLeftovers(dir.path(), true), 2);
  std::set<std::string> expected = kept;
  expected.insert({"sub", "dir" + stale});
  EXPECT_EQ(namesIn(dir.path()), expected);
}

using AtomicFilePermissions = UnprivilegedTest;

TEST_F(AtomicFilePermissions, AnUnwritableFolderIsHonoured) {
  TempDir dir;
  const fs::path file = dir.writeFile("cv.ini", "old");
  ASSERT_EQ(::chmod(dir.path().c_str(), 0555), 0);  // no temp file can be made
  EXPECT_FALSE(AtomicFile(file).replace("new"));
  EXPECT_FALSE(AtomicFile(dir.path() / "new.ini").create("new"));
  ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
  EXPECT_EQ(dir.readFile("cv.ini"), "old");
  EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"cv.ini"});
}

}  // namespace
}  // namespace corvane
