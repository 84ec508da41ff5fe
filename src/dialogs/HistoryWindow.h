#pragma once

#include <string>
#include <vector>

#include "history/History.h"
#include "history/HistoryDays.h"
#include "panes/PaneController.h"
#include "platform/IClock.h"

namespace corvane {

// The History window's logic: the visits it lists, grouped by day and narrowed by its search
// box, and its commands. A page opens in a pane as if the user had typed its address into that
// pane's box and pressed Enter. The window shows Groups() again after each call.
class HistoryWindow {
 public:
  HistoryWindow(History& history, const IClock& clock, PaneController& top, PaneController& bottom);
  HistoryWindow(const HistoryWindow&) = delete;
  HistoryWindow& operator=(const HistoryWindow&) = delete;

  // The window opens, or comes forward: the list is read again. focused: the pane that had the
  // focus before, which Enter and a double-click open pages in.
  void Load(PaneId focused);
  // The search box's text: the list holds only pages whose title or address holds every word.
  void Search(const std::string& text);
  // What the list is narrowed by.
  const std::string& SearchText() const { return search_; }
  const std::vector<HistoryGroup>& Groups() const { return groups_; }

  // "Open in Top Pane", "Open in Bottom Pane".
  void OpenIn(PaneId pane, const std::string& url);
  // Enter or a double-click on a page: it opens in the pane that had the focus.
  void Activate(const std::string& url);
  // The pages go from the history, with all their visits.
  void Delete(const std::vector<std::string>& urls);
  // Every visit in the range goes.
  void Clear(History::Range range);

 private:
  void read();

  History& history_;
  const IClock& clock_;
  PaneController& top_;
  PaneController& bottom_;
  PaneId focused_ = PaneId::Top;
  std::string search_;
  std::vector<HistoryGroup> groups_;
};

}  // namespace corvane
