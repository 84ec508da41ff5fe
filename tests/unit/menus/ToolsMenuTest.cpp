#include "menus/ToolsMenu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FakeMessageBox.h"
#include "FakeSecondaryWindows.h"
#include "FakeShellFolders.h"
#include "TempDir.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

const char kNotice[] =
    "The browser options that you are about to use, are for Corvane and Internet Explorer.";
const char kAdded[] = "A Corvane shortcut has been added to your desktop.";

TEST(StripTrailingBackslash, RemovesOneTrailingSeparatorInPlace) {
  std::string root = "/";
  std::string& same = StripTrailingBackslash(root);
  EXPECT_EQ(&same, &root);
  EXPECT_EQ(root, "");
  for (const auto& [in, out] :
       std::vector<std::pair<std::string, std::string>>{{"/usr/lib/", "/usr/lib"},
                                                        {"/usr/lib", "/usr/lib"},
                                                        {"/usr//", "/usr/"},
                                                        {"", ""},
                                                        {"C:\\", "C:\\"}}) {
    std::string path = in;
    EXPECT_EQ(StripTrailingBackslash(path), out) << in;
  }
}

struct Rig {
  Rig() {
    shell.systemDirectory = (dir.path() / "engine/").string();
    shell.windowsDirectory = (dir.path() / "bin").string();
    shell.folders[ShellFolder::Desktop] = (dir.path() / "Desktop").string();
  }
  void load() {
    std::string buffer(512, '\0');
    tools.ReadSystemFolders(buffer);
    systemFolder = buffer;
  }
  void installApplet() { dir.writeFile("engine/engine-helper", "helper"); }
  void installProgram() { dir.writeFile("bin/corvane", "program"); }

  TempDir dir;
  FakeMessageBox messageBox;
  FakeShellFolders shell;
  FakeSecondaryWindows windows;
  MenuBar menus;
  std::string systemFolder;
  ToolsMenu tools{menus, messageBox, shell, windows, systemFolder, "corvane"};
};

TEST(ToolsMenu, ItsTwoItemsHaveNoShortcuts) {
  Rig rig;
  const Menu& menu = rig.menus.menus().front();
  EXPECT_EQ(menu.caption, "&Tools");
  ASSERT_EQ(menu.items.size(), 2u);
  EXPECT_EQ(menu.items[0].caption, "Internet &Options...");
  EXPECT_EQ(menu.items[1].caption, "Create Corvane ShortCut On Desktop ");
  EXPECT_EQ(menu.items[0].shortcut + menu.items[1].shortcut, "");
}

TEST(ToolsMenu, SystemFoldersAreReadAsReportedWithoutNuls) {
  Rig rig;
  rig.shell.systemDirectory = std::string("/usr/lib/qt6/libexec/\0\0", 24);
  rig.shell.windowsDirectory = std::string("/opt/corvane/\0", 14);
  rig.load();
  EXPECT_EQ(rig.systemFolder, "/usr/lib/qt6/libexec/");
  EXPECT_EQ(rig.tools.WindowsFolder(), "/opt/corvane");
}

TEST(ToolsMenu, InternetOptionsReportsAMissingAppletAndStartsNothing) {
  Rig rig;
  rig.installProgram();
  rig.load();
  rig.tools.Click(0);
  ASSERT_EQ(rig.messageBox.shown().size(), 1u);
  const auto& box = rig.messageBox.shown().front();
  EXPECT_EQ(box.text, "Missing" + rig.systemFolder + "/engine-helper");
  EXPECT_EQ(box.title, "Error");
  EXPECT_EQ(box.icon, MsgBoxIcon::Exclamation);
  EXPECT_EQ(box.buttons, MsgBoxButtons::OK);
  EXPECT_TRUE(rig.windows.calls().empty());
}

TEST(ToolsMenu, InternetOptionsChecksTheProgramSecond) {
  Rig rig;
  rig.installApplet();
  rig.load();
  rig.tools.Click(0);
  EXPECT_EQ(rig.messageBox.texts(),
            (Strings{"Missing" + (rig.dir.path() / "bin/corvane").string()}));
  EXPECT_TRUE(rig.windows.calls().empty());
  // A program at the root of the file system: the folder loses its separator, the path keeps one.
  rig.shell.windowsDirectory = "/";
  rig.load();
  rig.tools.Click(0);
  EXPECT_EQ(rig.messageBox.texts().back(), "Missing/corvane");
}

TEST(ToolsMenu, InternetOptionsGivesTheNoticeThenOpensTheDialog) {
  Rig rig;
  rig.installApplet();
  rig.installProgram();
  rig.load();
  rig.tools.Click(0);
  ASSERT_EQ(rig.messageBox.shown().size(), 1u);
  EXPECT_EQ(rig.messageBox.shown()[0].text, kNotice);
  EXPECT_EQ(rig.messageBox.shown()[0].title, "Corvane");
  EXPECT_EQ(rig.messageBox.shown()[0].icon, MsgBoxIcon::None);
  EXPECT_EQ(rig.windows.calls(), (Strings{"ShowInternetOptions"}));
}

TEST(ToolsMenu, TheInstalledLauncherIsCopiedToTheDesktopEachTime) {
  Rig rig;
  const fs::path installed =
      rig.dir.writeFile("apps/corvane.desktop", "[Desktop Entry]\nExec=corvane\n");
  rig.shell.folders[ShellFolder::Programs] = installed.parent_path().string();
  rig.load();
  rig.dir.writeFile("Desktop/corvane.desktop", "an earlier one");
  rig.tools.Click(1);
  rig.tools.Click(1);
  EXPECT_EQ(rig.dir.readFile("Desktop/corvane.desktop"), "[Desktop Entry]\nExec=corvane\n");
  const fs::perms perms = fs::status(rig.dir.path() / "Desktop/corvane.desktop").permissions();
  EXPECT_NE(perms & fs::perms::owner_exec, fs::perms::none);
  EXPECT_EQ(rig.messageBox.texts(), (Strings{kAdded, kAdded}));
  EXPECT_EQ(rig.messageBox.shown()[0].icon, MsgBoxIcon::None);
}

TEST(ToolsMenu, WithoutAnInstalledLauncherOneForTheRunningProgramIsWritten) {
  Rig rig;
  rig.load();
  rig.tools.Click(1);
  const std::string text = rig.dir.readFile("Desktop/corvane.desktop");
  EXPECT_NE(text.find("\nExec=\"" + (rig.dir.path() / "bin/corvane").string() + "\"\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(rig.messageBox.texts(), (Strings{kAdded}));
}

TEST(ToolsMenu, AFailedCopySaysWhatFailedAndNeverThatItWorked) {
  Rig rig;
  rig.dir.writeFile("not-a-folder", "x");
  rig.shell.folders[ShellFolder::Desktop] = (rig.dir.path() / "not-a-folder/Desktop").string();
  rig.load();
  rig.tools.Click(1);
  ASSERT_EQ(rig.messageBox.shown().size(), 1u);
  const auto& box = rig.messageBox.shown().front();
  EXPECT_EQ(box.text.rfind("A Corvane shortcut could not be added to your desktop: the folder " +
                               rig.shell.folders[ShellFolder::Desktop] + " could not be created (",
                           0),
            0u)
      << box.text;
  EXPECT_EQ(box.icon, MsgBoxIcon::Exclamation);

  // No desktop folder at all, whether unknown or the lookup fails.
  for (bool throws : {false, true}) {
    Rig lost;
    lost.shell.folders.erase(ShellFolder::Desktop);
    lost.shell.failLookups = throws;
    lost.load();
    lost.tools.Click(1);
    EXPECT_EQ(lost.messageBox.texts(),
              (Strings{"A Corvane shortcut could not be added to your desktop: your desktop folder "
                       "could not be found."}));
  }
}

}  // namespace
}  // namespace corvane
