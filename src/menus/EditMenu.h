#pragma once

#include "layout/LayoutModel.h"
#include "menus/MenuBar.h"
#include "platform/IBrowserControl.h"
#include "platform/ISendKeys.h"

namespace corvane {

// The "&Edit" menu. Every item works on the top pane's browser, whichever pane has the focus;
// while the view mode hides the top pane, on the bottom one, the only page the user sees.
// A text field with the focus keeps its own Ctrl+X, Ctrl+C, Ctrl+V and Ctrl+A.
class EditMenu {
 public:
  static constexpr const char* kName = "mnuEdit";

  // `layout` says which browsers show; it is read at each click.
  EditMenu(MenuBar& menus, IBrowserControl& topBrowser, IBrowserControl& bottomBrowser,
           const LayoutModel& layout, ISendKeys& keys);
  EditMenu(const EditMenu&) = delete;
  EditMenu& operator=(const EditMenu&) = delete;

  // Cut, copy, paste and select all go to the browser; Find gives it the focus and then sends
  // it Ctrl+F, without waiting, which opens its find bar. Separators and other indexes do
  // nothing; a command the browser refuses does nothing either, and so does every item while
  // no browser shows.
  void mnuEdit_Click(int index);

 private:
  IBrowserControl* target() const;

  IBrowserControl& topBrowser_;
  IBrowserControl& bottomBrowser_;
  const LayoutModel& layout_;
  ISendKeys& keys_;
};

}  // namespace corvane
