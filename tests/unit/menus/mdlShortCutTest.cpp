#include "menus/mdlShortCut.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TempDir.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

std::string execLine(const std::string& text) {
  const auto start = text.find("\nExec=");
  if (start == std::string::npos) return "";
  return text.substr(start + 1, text.find('\n', start + 1) - start - 1);
}

TEST(mdlShortCut, ACopyReplacesTheEarlierOneAndCanBeRun) {
  TempDir dir;
  const fs::path source = dir.writeFile("apps/corvane.desktop", "new");
  fs::permissions(source, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  dir.writeFile("Desktop/corvane.desktop", "old");
  EXPECT_EQ(mdlShortCut::CopyFileToFolder(source.string(), (dir.path() / "Desktop").string()), "");
  EXPECT_EQ(dir.readFile("Desktop/corvane.desktop"), "new");
  const fs::perms perms = fs::status(dir.path() / "Desktop/corvane.desktop").permissions();
  EXPECT_NE(perms & fs::perms::owner_exec, fs::perms::none);
  EXPECT_NE(perms & fs::perms::group_exec, fs::perms::none);
  // Nobody gets to run what they may not read.
  EXPECT_EQ(perms & fs::perms::others_exec, fs::perms::none);
}

TEST(mdlShortCut, AMissingDesktopFolderIsCreated) {
  TempDir dir;
  const std::string desktop = (dir.path() / "home/Desktop").string();
  EXPECT_EQ(mdlShortCut::WriteLauncherToFolder("/opt/cv/corvane", desktop), "");
  EXPECT_TRUE(fs::is_regular_file(dir.path() / "home/Desktop/corvane.desktop"));
}

TEST(mdlShortCut, FailuresNameWhatFailed) {
  TempDir dir;
  const std::string desktop = (dir.path() / "Desktop").string();
  const std::string missing = (dir.path() / "nowhere/corvane.desktop").string();
  const std::string copied = mdlShortCut::CopyFileToFolder(missing, desktop);
  EXPECT_EQ(copied.rfind(missing + " could not be copied to " + desktop + " (", 0), 0u) << copied;
  EXPECT_FALSE(fs::exists(dir.path() / "Desktop/corvane.desktop"));

  fs::create_directories(dir.path() / "Desktop/corvane.desktop");
  const std::string written = mdlShortCut::WriteLauncherToFolder("/opt/cv/corvane", desktop);
  EXPECT_EQ(written.rfind(desktop + "/corvane.desktop could not be written (", 0), 0u) << written;

  EXPECT_EQ(mdlShortCut::CopyFileToFolder(missing, ""), "your desktop folder could not be found");
}

TEST(mdlShortCut, TheLauncherStartsTheProgramWhateverItsPathHolds) {
  const std::string text = mdlShortCut::LauncherText("/opt/cv/corvane");
  EXPECT_EQ(text.rfind("[Desktop Entry]\nType=Application\nName=Corvane\n", 0), 0u);
  EXPECT_EQ(execLine(text), "Exec=\"/opt/cv/corvane\"");
  // Blanks are quoted; $ " ` and \ are escaped for the command line, then once more for the
  // file's string value; % is not a field code.
  EXPECT_EQ(execLine(mdlShortCut::LauncherText("/home/a b/$x\"`\\50%/corvane")),
            "Exec=\"/home/a b/\\\\$x\\\\\"\\\\`\\\\\\\\50%%/corvane\"");
}

}  // namespace
}  // namespace corvane
