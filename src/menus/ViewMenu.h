#pragma once

#include "menus/MenuBar.h"
#include "panes/Pane.h"

namespace corvane {

// The "&View" menu: the page source of the top (0) or the bottom (1) pane.
class ViewMenu {
 public:
  static constexpr const char* kName = "mnuSource";

  ViewMenu(MenuBar& menus, Pane& top, Pane& bottom);
  ViewMenu(const ViewMenu&) = delete;
  ViewMenu& operator=(const ViewMenu&) = delete;

  // Sends the pane's browser to "view-source:" and the address box's text, unless the box is
  // empty; the box itself is not changed. Other indexes do nothing; failures are ignored.
  void mnuSource_Click(int index);

 private:
  Pane& top_;
  Pane& bottom_;
};

}  // namespace corvane
