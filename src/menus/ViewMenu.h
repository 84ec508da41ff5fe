#pragma once

#include "menus/MenuBar.h"
#include "panes/Pane.h"
#include "platform/IReaderView.h"

namespace corvane {

// The "&View" menu: the page source of the top (0) or the bottom (1) pane; after a separator (2),
// the reader view of the top (3) or the bottom (4) pane's page.
class ViewMenu {
 public:
  static constexpr const char* kName = "mnuSource";

  ViewMenu(MenuBar& menus, Pane& top, Pane& bottom, IReaderView& topReader,
           IReaderView& bottomReader);
  ViewMenu(const ViewMenu&) = delete;
  ViewMenu& operator=(const ViewMenu&) = delete;

  // Sends the pane's browser to "view-source:" and the address box's text, unless the box is
  // empty; the box itself is not changed. The reader view items show the pane's article or go
  // back to its page. Other indexes do nothing; failures are ignored.
  void mnuSource_Click(int index);

 private:
  Pane& top_;
  Pane& bottom_;
  IReaderView& topReader_;
  IReaderView& bottomReader_;
};

}  // namespace corvane
