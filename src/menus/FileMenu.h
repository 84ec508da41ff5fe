#pragma once

#include <cstdint>
#include <functional>

#include "menus/MenuBar.h"
#include "panes/PaneCommands.h"

namespace corvane {

// The "&File" menu: open a local file in either pane (which switches its folder view on), save,
// page setup and print for either pane, and close. The eight pane commands carry Ctrl+F5 to
// Ctrl+F12 in menu order.
class FileMenu {
 public:
  static constexpr const char* kName = "mnuFile";

  // closeWindow closes the main window the way its close box does.
  FileMenu(MenuBar& menus, PaneCommands& top, PaneCommands& bottom,
           std::function<void()> closeWindow);
  FileMenu(const FileMenu&) = delete;
  FileMenu& operator=(const FileMenu&) = delete;

  // Folder view's open command for pane 0 (top) or 1 (bottom); any other index does nothing.
  void OpenLocalFile(int16_t paneIndex);

  // The item with this index. Failures are ignored silently: a command the browser refuses does
  // nothing. Separators and indexes outside the menu do nothing.
  void mnuFile_Click(int index);

 private:
  PaneCommands& top_;
  PaneCommands& bottom_;
  std::function<void()> closeWindow_;
};

}  // namespace corvane
