#pragma once

#include <string>
#include <vector>

#include "base/ISkippedFailureSink.h"
#include "base/SkippedFailures.h"

namespace corvane {

// Hears every skipped failure while it lives, in place of the sink set before, and keeps the
// lines in order.
class RecordingSkippedFailures : public ISkippedFailureSink {
 public:
  RecordingSkippedFailures() : before_(sendSkippedFailuresTo(this)) {}
  ~RecordingSkippedFailures() override { sendSkippedFailuresTo(before_); }

  void Skipped(const std::string& line) override { lines_.push_back(line); }

  const std::vector<std::string>& lines() const { return lines_; }

 private:
  ISkippedFailureSink* before_;
  std::vector<std::string> lines_;
};

}  // namespace corvane
