#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "history/IHistoryNotices.h"

namespace corvane {

// Keeps the history's messages, from whichever thread they come.
class RecordingHistoryNotices : public IHistoryNotices {
 public:
  void HistoryNotice(const std::string& message) override {
    std::lock_guard<std::mutex> lock(mutex_);
    messages_.push_back(message);
  }
  std::vector<std::string> messages() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return messages_;
  }

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> messages_;
};

}  // namespace corvane
