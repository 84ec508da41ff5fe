#include "dialogs/HistoryWindow.h"

#include "base/Guarded.h"

namespace corvane {

HistoryWindow::HistoryWindow(History& history, const IClock& clock, PaneController& top,
                             PaneController& bottom)
    : history_(history), clock_(clock), top_(top), bottom_(bottom) {}

void HistoryWindow::Load(PaneId focused) {
  focused_ = focused;
  read();
}

void HistoryWindow::Search(const std::string& text) {
  search_ = text;
  read();
}

void HistoryWindow::read() { groups_ = HistoryDays::Group(history_.Visits(search_), clock_); }

void HistoryWindow::OpenIn(PaneId pane, const std::string& url) {
  PaneController& target = pane == PaneId::Top ? top_ : bottom_;
  guarded([&] { target.pane().cboAddress.SetText(url); });
  target.navigation().cboAddress_Click();
}

void HistoryWindow::Activate(const std::string& url) { OpenIn(focused_, url); }

void HistoryWindow::Delete(const std::vector<std::string>& urls) {
  for (const std::string& url : urls) history_.Remove(url);
  read();
}

void HistoryWindow::Clear(History::Range range) {
  history_.Clear(range);
  read();
}

}  // namespace corvane
