#pragma once

#include <string>

namespace corvane {

// Where a step that failed and was skipped is traced, for a developer who wants to know why a
// command did nothing. Users are never told: this is no message and no log file.
class ISkippedFailureSink {
 public:
  ISkippedFailureSink() = default;
  ISkippedFailureSink(const ISkippedFailureSink&) = delete;
  ISkippedFailureSink& operator=(const ISkippedFailureSink&) = delete;
  virtual ~ISkippedFailureSink() = default;

  // One line: the skipped step's file, line and function, then what failed.
  virtual void Skipped(const std::string& line) = 0;
};

}  // namespace corvane
