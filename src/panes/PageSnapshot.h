#pragma once

#include <string>
#include <vector>

#include "platform/PageHistory.h"

namespace corvane {

// What is kept of a page without its view: to reopen a closed page, and in the session.
struct PageSnapshot {
  std::string address;
  std::string title;
  PageHistory history;
  // The engine's own record of the history (IPageView::SaveHistory); "" for none.
  std::string engineHistory;

  bool operator==(const PageSnapshot& other) const {
    return address == other.address && title == other.title && history == other.history &&
           engineHistory == other.engineHistory;
  }

  // Forgets the entries before and after the current one, and the engine's record with them.
  void ForgetHistory() {
    if (history.current >= 0 && history.current < static_cast<int>(history.entries.size())) {
      history.entries = {history.entries[static_cast<size_t>(history.current)]};
      history.current = 0;
    } else {
      history = PageHistory();
    }
    engineHistory.clear();
  }
};

// What is kept of one pane's pages: each page in order, and which one the pane shows.
struct PaneSnapshot {
  std::vector<PageSnapshot> pages;
  int shown = 0;

  bool operator==(const PaneSnapshot& other) const {
    return pages == other.pages && shown == other.shown;
  }
};

}  // namespace corvane
