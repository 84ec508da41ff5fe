#pragma once

#include "menus/MenuBar.h"
#include "platform/IBrowserControl.h"
#include "platform/ISendKeys.h"

namespace corvane {

// The "&Edit" menu. Every item works on the top pane's browser, whichever pane has the focus.
// A text field with the focus keeps its own Ctrl+X, Ctrl+C, Ctrl+V and Ctrl+A.
class EditMenu {
 public:
  static constexpr const char* kName = "mnuEdit";

  EditMenu(MenuBar& menus, IBrowserControl& topBrowser, ISendKeys& keys);
  EditMenu(const EditMenu&) = delete;
  EditMenu& operator=(const EditMenu&) = delete;

  // Cut, copy, paste and select all go to the top browser; Find gives it the focus and then
  // sends it Ctrl+F, without waiting, which opens its find bar. Separators and other indexes do
  // nothing; a command the browser refuses does nothing either.
  void mnuEdit_Click(int index);

 private:
  void exec(ExecWBCommand command);

  IBrowserControl& topBrowser_;
  ISendKeys& keys_;
};

}  // namespace corvane
