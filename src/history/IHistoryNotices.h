#pragma once

#include <string>

namespace corvane {

// Where the history says what the user should know about its file: set aside, in use, not
// writable. The history says one such thing per run at most.
class IHistoryNotices {
 public:
  IHistoryNotices() = default;
  IHistoryNotices(const IHistoryNotices&) = delete;
  IHistoryNotices& operator=(const IHistoryNotices&) = delete;
  virtual ~IHistoryNotices() = default;

  // A message for the user. May come from the history's writer thread; the window shows it on
  // its own.
  virtual void HistoryNotice(const std::string& message) = 0;
};

}  // namespace corvane
