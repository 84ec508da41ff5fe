#pragma once

#include <string>

#include "panes/FolderListing.h"
#include "panes/PaneStatus.h"
#include "platform/IAddressBox.h"
#include "platform/IBrowserControl.h"
#include "platform/IProgressBar.h"
#include "platform/IStatusLine.h"
#include "platform/ITimer.h"
#include "platform/IToolbar.h"

namespace corvane {

// Which of the two panes: the top one (names ending in 1 or TB) or the bottom one (2 or BB).
enum class PaneId { Top, Bottom };

// One browser pane: its controls and its fields, written once for both panes. The controls
// belong to the main window; the pane only refers to them.
struct Pane {
  Pane(PaneId paneId, IBrowserControl& browser, IAddressBox& addressBox, IStatusLine& statusLine,
       IProgressBar& progressBar, ITimer& pollTimer, IToolbar& toolbar)
      : id(paneId),
        brwWebBrowser(browser),
        cboAddress(addressBox),
        Label(statusLine),
        ProgressBar(progressBar),
        timTimer(pollTimer),
        tbToolBar(toolbar) {}
  Pane(const Pane&) = delete;
  Pane& operator=(const Pane&) = delete;

  PaneId id;

  // brwWebBrowser1 / brwWebBrowser2: shows the page.
  IBrowserControl& brwWebBrowser;
  // cboAddress1 / cboAddress2: the address to go to, and earlier addresses, most recent first.
  IAddressBox& cboAddress;
  // Label1 / Label2: progress and title messages, written only through this.
  PaneStatus Label;
  // ProgressBar1 / ProgressBar2: loading progress, range 0 to 1,000,000.
  IProgressBar& ProgressBar;
  // timTimer1 / timTimer2: status poll, 5 ms, off at start; the favorites tree starts it.
  ITimer& timTimer;
  // tbToolBar1 / tbToolBar2: Back, Forward, Stop, Refresh, Home, Fav, Search, Chat.
  IToolbar& tbToolBar;

  // File1 / File2: the files of the folder being viewed in folder view.
  FolderListing File;

  // StartingAddress1 / StartingAddress2: online home page, filled at start-up.
  std::string StartingAddress;
  // StartingAddressOffLine1 / StartingAddressOffLine2: offline home page, filled at start-up.
  std::string StartingAddressOffLine;
  // PathNameTB / PathNameBB: folder of the file opened in folder view, with a trailing separator.
  std::string PathName;

  // LocalFileTB / LocalFileBB: folder view is on.
  bool LocalFile = false;
  // ListUpdateTB / ListUpdateBB: the address list is being rewritten after a navigation; while
  // set, the navigation entry does nothing.
  bool ListUpdate = false;
};

}  // namespace corvane
