#include "menus/FileMenu.h"

#include <utility>

#include "base/Guarded.h"
#include "menus/MenuArray.h"

namespace corvane {

namespace {

void execWB(PaneCommands& commands, ExecWBCommand command) {
  commands.pane().brwWebBrowser.ExecWB(command, OLECMDEXECOPT_PROMPTUSER);
}

}  // namespace

FileMenu::FileMenu(MenuBar& menus, PaneCommands& top, PaneCommands& bottom,
                   std::function<void()> closeWindow)
    : top_(top), bottom_(bottom), closeWindow_(std::move(closeWindow)) {
  menus.Add({MenuPosition::File, kName, "&File",
             MenuArray(kName, {{"&Open Top Browser", "Ctrl+F5"},
                               {"&Open Bottom Browser", "Ctrl+F6"},
                               {"-"},
                               {"Save Top Browser &As...", "Ctrl+F7"},
                               {"Save Bottom Browser &As...", "Ctrl+F8"},
                               {"-"},
                               {"Page Set&up for Top Browser...", "Ctrl+F9"},
                               {"Page Set&up for Bottom Browser...", "Ctrl+F10"},
                               {"&Print Top Browser", "Ctrl+F11"},
                               {"&Print Bottom Browser", "Ctrl+F12"},
                               {"-"},
                               {"&Close"}}),
             [this](int index) { mnuFile_Click(index); }});
}

void FileMenu::OpenLocalFile(int16_t paneIndex) {
  if (paneIndex == 0) top_.folderView().OpenLocalFile();
  if (paneIndex == 1) bottom_.folderView().OpenLocalFile();
}

void FileMenu::mnuFile_Click(int index) {
  guarded([&] {
    switch (index) {
      case 0:
      case 1:
        OpenLocalFile(static_cast<int16_t>(index));
        break;
      case 3:
        execWB(top_, OLECMDID_SAVEAS);
        break;
      case 4:
        execWB(bottom_, OLECMDID_SAVEAS);
        break;
      case 6:
        execWB(top_, OLECMDID_PAGESETUP);
        break;
      case 7:
        execWB(bottom_, OLECMDID_PAGESETUP);
        break;
      case 8:
        execWB(top_, OLECMDID_PRINT);
        break;
      case 9:
        execWB(bottom_, OLECMDID_PRINT);
        break;
      case 11:
        if (closeWindow_) closeWindow_();
        break;
      default:
        break;
    }
  });
}

}  // namespace corvane
