#pragma once

namespace corvane {

class HistoryWindow;

// The History window on the screen: it lists what its logic holds and hands the user's commands
// to it. Modeless, made when first asked for and destroyed when it closes.
class IHistoryWindowView {
 public:
  IHistoryWindowView() = default;
  IHistoryWindowView(const IHistoryWindowView&) = delete;
  IHistoryWindowView& operator=(const IHistoryWindowView&) = delete;
  virtual ~IHistoryWindowView() = default;

  // Shows the window listing window.Groups(); an open one comes forward and lists them anew.
  // window must outlive the window on the screen (Close).
  virtual void Show(HistoryWindow& window) = 0;
  // Closes and destroys the window at once, if it is open.
  virtual void Close() = 0;
};

}  // namespace corvane
