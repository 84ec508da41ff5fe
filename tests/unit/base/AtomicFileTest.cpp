#include "base/AtomicFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <set>
#include <string>

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

TEST(AtomicFileCreate, FailedCreateLeavesNoTrace) {
  TempDir dir;
  {
    const FileSizeLimit full(64);
    EXPECT_FALSE(AtomicFile(dir.path() / "cv.ini").create(std::string(200, 'v')));
  }
  EXPECT_FALSE(AtomicFile(dir.path() / "missing" / "cv.ini").create("no folder"));
  EXPECT_TRUE(namesIn(dir.path()).empty());
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
