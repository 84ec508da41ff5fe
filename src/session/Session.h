#pragma once

#include "panes/PageSnapshot.h"

namespace corvane {

// The pages of both panes, as the session file keeps them.
struct Session {
  PaneSnapshot top;
  PaneSnapshot bottom;

  bool operator==(const Session& other) const { return top == other.top && bottom == other.bottom; }
  // Neither pane has a page.
  bool empty() const { return top.pages.empty() && bottom.pages.empty(); }
};

}  // namespace corvane
