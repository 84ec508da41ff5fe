#pragma once

#include <QString>

#include <memory>

#include "history/History.h"
#include "platform/SystemClock.h"

class QWidget;

namespace corvane {

class IHistoryWindowView;
class QtHistoryNotices;
class QtHistoryWindow;

// The pages shown in either pane, kept in history.sqlite in the user's data folder beside the web
// data, with the message box that says what became of that file and the History window.
class ProgramHistory {
 public:
  static constexpr const char* kFileName = "history.sqlite";

  // dataFolder: the user's data folder, "" for none (then nothing is kept); window: the main
  // window, which the messages and the History window stand over; both must outlive this.
  ProgramHistory(const QString& dataFolder, QWidget* window);
  // Writes what is still queued.
  ~ProgramHistory();
  ProgramHistory(const ProgramHistory&) = delete;
  ProgramHistory& operator=(const ProgramHistory&) = delete;

  // nullptr while no history is kept.
  History* history() { return history_.get(); }
  // The window that lists the history; nullptr while none is kept.
  IHistoryWindowView* window();

 private:
  SystemClock clock_;
  std::unique_ptr<QtHistoryNotices> notices_;
  // After the notices: its writer thread may report until it has stopped.
  std::unique_ptr<History> history_;
  std::unique_ptr<QtHistoryWindow> window_;
};

}  // namespace corvane
