#pragma once

#include "dialogs/HistoryWindow.h"
#include "dialogs/IHistoryWindowView.h"

namespace corvane {

// A History window that keeps the logic it shows, until it is closed.
class FakeHistoryWindowView : public IHistoryWindowView {
 public:
  void Show(HistoryWindow& window) override {
    ++shows;
    shown = &window;
  }
  void Close() override {
    if (shown) ++closes;
    shown = nullptr;
  }

  HistoryWindow* shown = nullptr;
  int shows = 0;
  int closes = 0;
};

}  // namespace corvane
