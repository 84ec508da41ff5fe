#include "menus/mdlShortCut.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TempDir.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;

// A program that may be run, as the launcher's target.
std::string program(const TempDir& dir) {
  const fs::path file = dir.writeFile("bin/corvane", "#!/bin/sh\n");
  fs::permissions(file, fs::perms::owner_all);
  return file.string();
}

TEST(mdlShortCut, ACopyReplacesTheEarlierOneAndRunsForWhoeverMayReadIt) {
  TempDir dir;
  const fs::path source = dir.writeFile("apps/corvane.desktop", "new");
  fs::permissions(source, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  dir.writeFile("Desktop/corvane.desktop", "old");
  EXPECT_EQ(mdlShortCut::CopyFileToFolder(source.string(), (dir.path() / "Desktop").string()), "");
  EXPECT_EQ(dir.readFile("Desktop/corvane.desktop"), "new");
  const fs::perms perms = fs::status(dir.path() / "Desktop/corvane.desktop").permissions();
  EXPECT_NE(perms & fs::perms::owner_exec, fs::perms::none);
  EXPECT_NE(perms & fs::perms::group_exec, fs::perms::none);
  EXPECT_EQ(perms & fs::perms::others_exec, fs::perms::none);
  // A desktop folder that is not there yet is made.
  EXPECT_EQ(mdlShortCut::WriteLauncherToFolder(program(dir), (dir.path() / "new").string()), "");
  EXPECT_TRUE(fs::is_regular_file(dir.path() / "new/corvane.desktop"));
}

TEST(mdlShortCut, FailuresNameWhatFailed) {
  TempDir dir;
  const std::string desktop = (dir.path() / "Desktop").string();
  const std::string missing = (dir.path() / "nowhere/corvane.desktop").string();
  const std::string copied = mdlShortCut::CopyFileToFolder(missing, desktop);
  EXPECT_EQ(copied.rfind(missing + " could not be copied to " + desktop + " (", 0), 0u) << copied;

  // A launcher of a program that is gone is not written.
  const std::string gone = (dir.path() / "gone/corvane").string();
  EXPECT_EQ(mdlShortCut::WriteLauncherToFolder(gone, desktop),
            "the program " + gone + " is not there to be started");
  EXPECT_FALSE(fs::exists(dir.path() / "Desktop/corvane.desktop"));

  fs::create_directories(dir.path() / "Desktop/corvane.desktop");
  const std::string written = mdlShortCut::WriteLauncherToFolder(program(dir), desktop);
  EXPECT_EQ(written, desktop + "/corvane.desktop could not be written (Is a directory)");
}

TEST(mdlShortCut, TheLauncherStartsTheProgramWhateverItsPathHolds) {
  const auto exec = [](const std::string& program) {
    const std::string text = mdlShortCut::LauncherText(program);
    const auto start = text.find("\nExec=") + 1;
    return text.substr(start, text.find('\n', start) - start);
  };
  EXPECT_EQ(mdlShortCut::LauncherText("/x").rfind("[Desktop Entry]\nType=Application\n", 0), 0u);
  EXPECT_EQ(exec("/opt/cv/corvane"), "Exec=\"/opt/cv/corvane\"");
  // Blanks are quoted; $ " ` and \ are escaped for the command line, then once more for the
  // file's string value; % is no field code.
  EXPECT_EQ(exec("/home/a b/$x\"`\\50%/corvane"),
            "Exec=\"/home/a b/\\\\$x\\\\\"\\\\`\\\\\\\\50%%/corvane\"");
}

}  // namespace
}  // namespace corvane
