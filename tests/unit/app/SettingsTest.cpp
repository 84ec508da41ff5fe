#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "FileSizeLimit.h"
#include "TempDir.h"
#include "UnprivilegedTest.h"
#include "app/HomePages.h"
#include "app/SettingsLocation.h"
#include "base/mdlGen.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

TEST(mdlGen, ReadsAndWritesKeys1ToIndex) {
  TempDir dir;
  const mdlGen settings(
      dir.writeFile("cv.ini", "[TBstart]\r\n0=zero\r\n1=one\r\n3=three\r\n[Blank]\r\n1= \t \r\n"));
  EXPECT_EQ(settings.ReadSetting("tbstart", 1), "one");
  EXPECT_EQ(settings.ReadSetting("TBstart", 0), "");
  EXPECT_EQ(settings.ReadSetting("TBstart", 2), "");
  EXPECT_EQ(settings.ReadSetting("TBstart", 3), "three");
  EXPECT_EQ(settings.ReadSetting("TBstart", 65537), "");  // past 16 bits
  EXPECT_EQ(settings.ReadSetting("Blank", 1), "");
  EXPECT_EQ(settings.ReadProfileString("TBstart", "2", "dflt"), "dflt");
  EXPECT_EQ(settings.ReadProfileString("Blank", "1", "dflt"), "");
  settings.WriteSetting("TBstart", 2, "b");
  settings.WriteSetting("TBSTART", 1, "c");
  EXPECT_EQ(dir.readFile("cv.ini"),
            "[TBstart]\r\n0=zero\r\n1=c\r\n3=three\r\n2=b\r\n[Blank]\r\n1= \t \r\n");
}

const std::string kSite = "http://www.corvane.example.com";
const Strings kDefaults = {kSite + "/", kSite + "/newsandsearch.html", "/opt/corvane/cv.html",
                           "/opt/corvane/CVguide.html"};

// Online top, online bottom, offline top, offline bottom.
Strings resolve(const fs::path& ini) {
  mdlGen settings(ini);
  const HomePages p = ResolveHomePages(settings, "/opt/corvane", kSite);
  return {p.StartingAddress1, p.StartingAddress2, p.StartingAddressOffLine1,
          p.StartingAddressOffLine2};
}

ino_t inodeOf(const fs::path& file) {
  struct stat st {};
  EXPECT_EQ(::stat(file.c_str(), &st), 0);
  return st.st_ino;
}

TEST(ResolveHomePages, MissingFileGetsTheFourDefaultsInOrder) {
  TempDir dir;
  EXPECT_EQ(resolve(dir.path() / "cv.ini"), kDefaults);
  EXPECT_EQ(dir.readFile("cv.ini"),
            "[TBstart]\r\n1=http://www.corvane.example.com/\r\n"
            "[TBstartOffLine]\r\n1=/opt/corvane/cv.html\r\n"
            "[BBstart]\r\n1=http://www.corvane.example.com/newsandsearch.html\r\n"
            "[BBstartOffLine]\r\n1=/opt/corvane/CVguide.html\r\n");
}

TEST(ResolveHomePages, ValuesPresentAreUsedAndOnlyMissingOnesAreAdded) {
  TempDir dir;
  const std::string before =
      "; "
      "hand-edited\n[BBstart]\n1=\"http://news.example.org/\"\n[TBSTARTOFFLINE]\n1=/home/u/t.html";
  EXPECT_EQ(resolve(dir.writeFile("cv.ini", before)),
            (Strings{kDefaults[0], "http://news.example.org/", "/home/u/t.html", kDefaults[3]}));
  EXPECT_EQ(dir.readFile("cv.ini"), before +
                                        "\r\n[TBstart]\r\n1=http://www.corvane.example.com/\r\n"
                                        "[BBstartOffLine]\r\n1=/opt/corvane/CVguide.html\r\n");
}

TEST(ResolveHomePages, EmptyValueIsReplacedInPlaceAndACompleteFileIsLeftAlone) {
  TempDir dir;
  const std::string rest =
      "[TBstartOffLine]\r\n1=/x/a.html\r\n[bbstart]\r\n1=http://b.example/\r\n"
      "[BBstartOffLine]\r\n1=/x/b.html\r\n";
  const fs::path ini = dir.writeFile("cv.ini", "[TBstart]\r\n1=\r\n" + rest);
  const Strings pages = {kDefaults[0], "http://b.example/", "/x/a.html", "/x/b.html"};
  EXPECT_EQ(resolve(ini), pages);
  EXPECT_EQ(dir.readFile("cv.ini"), "[TBstart]\r\n1=http://www.corvane.example.com/\r\n" + rest);

  const ino_t inode = inodeOf(ini);
  EXPECT_EQ(resolve(ini), pages);
  EXPECT_EQ(inodeOf(ini), inode);  // an atomic replace would have made a new file
}

TEST(ResolveHomePages, DefaultsStillServeWhenTheFileCannotBeWritten) {
  TempDir dir;
  const fs::path ini = dir.writeFile("cv.ini", "[BBstart]\r\n1=http://b.example/\r\n");
  ASSERT_EQ(::chmod(ini.c_str(), 0444), 0);
  EXPECT_EQ(resolve(ini), (Strings{kDefaults[0], "http://b.example/", kDefaults[2], kDefaults[3]}));
  EXPECT_EQ(dir.readFile("cv.ini"), "[BBstart]\r\n1=http://b.example/\r\n");
  EXPECT_EQ(resolve(ini / "cv.ini"), kDefaults);
}

TEST(SettingsLocation, WritableProgramFolderElseTheConfigFolderWhichIsCreated) {
  TempDir dir;
  const fs::path program = dir.path() / "program", config = dir.path() / "config" / "corvane";
  dir.writeFile("program/cv.ini", "[TBstart]\r\n1=http://mine.example/\r\n");
  EXPECT_EQ(settingsFilePath(program, config), program / "cv.ini");
  EXPECT_FALSE(fs::exists(config));  // a program folder's own file is used where it lies
  EXPECT_EQ(settingsFilePath(dir.path() / "missing", config), config / "cv.ini");
  EXPECT_TRUE(fs::is_directory(config));
  EXPECT_EQ(settingsFilePath(dir.writeFile("file", "x"), config), config / "cv.ini");
  EXPECT_TRUE(fs::is_empty(config));
}

// Root, or a user who may write to the prefix, runs an installed Corvane: its folder is never
// written; the preset there starts the user's file as for anyone.
TEST(SettingsLocation, AnInstalledProgramFolderIsNeverWrittenWhoeverRunsIt) {
  TempDir dir;
  const fs::path program = dir.path() / "usr" / "lib" / "corvane";
  const fs::path config = dir.path() / "config" / "corvane";
  const std::string preset = "[TBstart]\r\n1=http://intra.example/\r\n";
  dir.writeFile("usr/lib/corvane/cv.ini", preset);
  dir.writeFile("usr/lib/corvane/corvane", "");
  fs::create_directories(dir.path() / "usr" / "bin");
  fs::create_symlink("../lib/corvane/corvane", dir.path() / "usr" / "bin" / "corvane");
  const fs::path ini = settingsFilePath(program, config);
  EXPECT_EQ(ini, config / "cv.ini");
  EXPECT_EQ(resolve(ini)[0], "http://intra.example/");
  EXPECT_EQ(dir.readFile("usr/lib/corvane/cv.ini"), preset);
  // The same folder without the command beside it is a portable copy.
  fs::remove(dir.path() / "usr" / "bin" / "corvane");
  EXPECT_EQ(settingsFilePath(program, config), program / "cv.ini");
}

// An installed program: a folder the user may not write to, perhaps holding an administrator's
// preset cv.ini (one taken over and completed in the user's file is the install check's).
class SettingsLocationPermissions : public UnprivilegedTest {
 protected:
  void installPreset(const std::string& text) {
    const fs::path preset = dir_.writeFile("program/cv.ini", text);
    ASSERT_EQ(::chmod(preset.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(program_.c_str(), 0555), 0);
  }
  std::string userFile() const { return dir_.readFile("config/corvane/cv.ini"); }

  TempDir dir_;
  const fs::path program_ = dir_.path() / "program";
  const fs::path config_ = dir_.path() / "config" / "corvane";
};

TEST_F(SettingsLocationPermissions, ReadOnlyProgramFolderSendsTheFileToTheConfigFolder) {
  fs::create_directory(program_);
  ASSERT_EQ(::chmod(program_.c_str(), 0555), 0);
  EXPECT_EQ(settingsFilePath(program_, config_), config_ / "cv.ini");
  EXPECT_TRUE(fs::is_directory(config_));
  EXPECT_TRUE(fs::is_empty(config_));
}

TEST_F(SettingsLocationPermissions, AUsersOwnFileIsNeverReplacedByThePreset) {
  const std::string mine = "[TBstart]\r\n1=http://mine.example/\r\n";
  dir_.writeFile("config/corvane/cv.ini", mine);
  installPreset("[TBstart]\r\n1=http://intra.example/\r\n");
  EXPECT_EQ(settingsFilePath(program_, config_), config_ / "cv.ini");
  EXPECT_EQ(userFile(), mine);
}

// A copy that fails leaves things as they were without a preset: no user file, no temp file;
// the defaults then apply and are written to the user's file as usual.
TEST_F(SettingsLocationPermissions, AFailedCopyLeavesThingsAsWithoutAPreset) {
  installPreset("[TBstart]\r\n1=http://intra.example/\r\n");
  {
    const FileSizeLimit full(8);
    EXPECT_EQ(settingsFilePath(program_, config_), config_ / "cv.ini");
  }
  EXPECT_TRUE(fs::is_empty(config_));

  ASSERT_EQ(::chmod(config_.c_str(), 0555), 0);
  EXPECT_EQ(settingsFilePath(program_, config_), config_ / "cv.ini");
  EXPECT_TRUE(fs::is_empty(config_));
  ASSERT_EQ(::chmod(config_.c_str(), 0755), 0);

  ASSERT_EQ(::chmod((program_ / "cv.ini").c_str(), 0000), 0);  // an unreadable preset
  const fs::path ini = settingsFilePath(program_, config_);
  EXPECT_TRUE(fs::is_empty(config_));
  EXPECT_EQ(resolve(ini), kDefaults);
  EXPECT_EQ(userFile().find("[TBstart]\r\n1=http://www.corvane.example.com/\r\n"), 0U);
}

}  // namespace
}  // namespace corvane
