#include "app/SettingsLocation.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "TempDir.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

TEST(SettingsLocation, WritableProgramFolderHoldsTheFile) {
  TempDir dir;
  fs::create_directory(dir.path() / "program");
  EXPECT_EQ(settingsFilePath(dir.path() / "program", dir.path() / "config" / "corvane"),
            dir.path() / "program" / "cv.ini");
  EXPECT_FALSE(fs::exists(dir.path() / "config"));
}

TEST(SettingsLocation, OtherwiseTheConfigFolderIsUsedAndCreated) {
  TempDir dir;
  const fs::path config = dir.path() / "config" / "corvane";
  EXPECT_EQ(settingsFilePath(dir.path() / "missing", config), config / "cv.ini");
  EXPECT_TRUE(fs::is_directory(config));

  dir.writeFile("not-a-folder", "x");
  EXPECT_EQ(settingsFilePath(dir.path() / "not-a-folder", config), config / "cv.ini");
}

TEST(SettingsLocation, ReadOnlyProgramFolderIsPassedOver) {
  if (::geteuid() == 0) {
    GTEST_SKIP() << "permission bits don't bind root";
  }
  TempDir dir;
  fs::create_directory(dir.path() / "program");
  ASSERT_EQ(::chmod((dir.path() / "program").c_str(), 0555), 0);
  EXPECT_EQ(settingsFilePath(dir.path() / "program", dir.path() / "config"),
            dir.path() / "config" / "cv.ini");
}

}  // namespace
}  // namespace corvane
