#pragma once

#include <optional>

#include "panes/Pane.h"
#include "panes/PaneCommands.h"
#include "panes/PanePages.h"
#include "platform/IPaneKeyTargets.h"
#include "platform/IReaderView.h"

namespace corvane {

// The keys every browser has, each a command of one pane.
enum class PaneKey {
  Cut,
  Copy,
  Paste,
  SelectAll,
  Find,
  FindNext,
  Reload,
  ReloadBypassingCache,
  Back,
  Forward,
  Stop,
  Address,
  Print,
  Save,
  // The pane's pages.
  NewPage,
  ClosePage,
  ReopenClosedPage,
  NextPage,
  PreviousPage,
  // Pages 1 to 8 by their place, Page9 the last one.
  Page1,
  Page2,
  Page3,
  Page4,
  Page5,
  Page6,
  Page7,
  Page8,
  Page9,
  ReaderView,
  NextPart,
};

// The browser keys of both panes: each acts on the pane that holds the keyboard focus (its page,
// reader view, address box, toolbar or find bar), not on the pane a menu names.
class PaneKeys {
 public:
  struct Target {
    PaneCommands& commands;
    IPaneKeyTargets& extras;
    IReaderView& reader;
    // The pane's pages; without them the page keys do nothing.
    PanePages* pages = nullptr;
  };
  PaneKeys(Target top, Target bottom) : top_(top), bottom_(bottom) {}
  PaneKeys(const PaneKeys&) = delete;
  PaneKeys& operator=(const PaneKeys&) = delete;

  // The pane `key` acts on, with the focus in `focused` (none: outside both panes), in a text
  // field of the window's own when `inTextField`. Nothing means the key is not a pane's: it goes
  // on to the focused control or the window. A text field keeps the keys that edit text and
  // Esc; Esc stops only a pane that is loading, so that a page still hears it otherwise. While
  // the pane's reader view shows, Esc is its before anything else.
  std::optional<PaneId> TargetOf(PaneKey key, std::optional<PaneId> focused,
                                 bool inTextField) const;

  // Runs the key's command on the pane. Back and Forward step through the folder in folder
  // view, as the toolbar's buttons do; print and save ask the user first; Esc leaves the reader
  // view while it shows; the reader view's key shows or leaves it; F6 (NextPart) goes to the
  // address box, and while the reader view shows from its text to its headings, its links, the
  // address box and round again. Failures are ignored.
  void Run(PaneKey key, PaneId pane);

 private:
  static void nextPart(Target& t);

  Target& target(PaneId pane) { return pane == PaneId::Top ? top_ : bottom_; }
  const Target& target(PaneId pane) const { return pane == PaneId::Top ? top_ : bottom_; }

  Target top_;
  Target bottom_;
};

}  // namespace corvane
