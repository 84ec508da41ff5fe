#include "menus/ToolsMenu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FakeMessageBox.h"
#include "FakeShellFolders.h"
#include "RecordingFakes.h"
#include "TempDir.h"

namespace corvane {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

const char kAdded[] = "A Corvane shortcut has been added to your desktop.";

struct Rig {
  Rig() {
    shell.systemDirectory = std::string("/engine/\0\0", 10);
    shell.windowsDirectory = (dir.path() / "bin/").string();
    shell.folders[ShellFolder::Desktop] = (dir.path() / "Desktop").string();
  }
  void load() {
    systemFolder.assign(512, '\0');
    tools.ReadSystemFolders(systemFolder);
  }

  TempDir dir;
  FakeMessageBox messageBox;
  FakeShellFolders shell;
  FakeSecondaryWindows windows;
  MenuBar menus;
  std::string systemFolder;
  ToolsMenu tools{menus, messageBox, shell, windows, systemFolder, "corvane"};
};

TEST(ToolsMenu, InternetOptionsChecksTheAppletThenTheProgramThenGivesTheNotice) {
  Rig rig;
  rig.shell.systemDirectory = (rig.dir.path() / "engine").string();
  rig.load();
  const std::string applet = rig.systemFolder + "/engine-helper";
  const std::string program = rig.tools.WindowsFolder() + "/corvane";
  rig.tools.Click(0);
  rig.dir.writeFile("engine/engine-helper", "");
  rig.tools.Click(0);
  EXPECT_TRUE(rig.windows.calls().empty());
  rig.dir.writeFile("bin/corvane", "");
  rig.tools.Click(0);
  EXPECT_EQ(rig.messageBox.texts(),
            (Strings{"Missing" + applet, "Missing" + program,
                     "The browser options that you are about to use, are for Corvane and "
                     "Internet Explorer."}));
  EXPECT_EQ(rig.messageBox.shown()[0].title, "Error");
  EXPECT_EQ(rig.messageBox.shown()[0].icon, MsgBoxIcon::Exclamation);
  EXPECT_EQ(rig.messageBox.shown()[2].title, "Corvane");
  EXPECT_EQ(rig.messageBox.shown()[2].icon, MsgBoxIcon::None);
  EXPECT_EQ(rig.windows.calls(), (Strings{"ShowInternetOptions"}));

  // A program at the root: the folder loses its separator, the path keeps one.
  rig.shell.windowsDirectory = "/";
  rig.load();
  rig.tools.Click(0);
  EXPECT_EQ(rig.messageBox.texts().back(), "Missing/corvane");
}

TEST(ToolsMenu, TheFoldersAreReadWithoutNulsAndTheDesktopGetsTheInstalledLauncher) {
  Rig rig;
  rig.load();
  EXPECT_EQ(rig.systemFolder, "/engine/");
  EXPECT_EQ(rig.tools.WindowsFolder(), (rig.dir.path() / "bin").string());
  const fs::path installed = rig.dir.writeFile("apps/corvane.desktop", "installed");
  rig.shell.folders[ShellFolder::Programs] = installed.parent_path().string();
  rig.tools.Click(1);
  EXPECT_EQ(rig.dir.readFile("Desktop/corvane.desktop"), "installed");
  EXPECT_EQ(rig.messageBox.texts(), (Strings{kAdded}));
}

TEST(ToolsMenu, AFailedLauncherSaysWhatFailedAndNeverThatItWasAdded) {
  Rig rig;
  rig.dir.writeFile("not-a-folder", "x");
  const std::string desktop = (rig.dir.path() / "not-a-folder/Desktop").string();
  rig.shell.folders[ShellFolder::Desktop] = desktop;
  rig.load();
  rig.tools.Click(1);
  ASSERT_EQ(rig.messageBox.shown().size(), 1u);
  EXPECT_EQ(rig.messageBox.shown()[0].text.rfind(
                "A Corvane shortcut could not be added to your desktop: the folder " + desktop +
                    " could not be created (",
                0),
            0u)
      << rig.messageBox.shown()[0].text;
  EXPECT_EQ(rig.messageBox.shown()[0].icon, MsgBoxIcon::Exclamation);

  // No desktop folder at all, whether unknown or the lookup fails.
  rig.shell.failLookups = true;
  rig.tools.Click(1);
  EXPECT_EQ(rig.messageBox.texts().back(),
            "A Corvane shortcut could not be added to your desktop: your desktop folder could "
            "not be found.");
}

}  // namespace
}  // namespace corvane
