#pragma once

#include <string>

#include "base/ISkippedFailureSink.h"

namespace corvane {

// Skipped failures as debug messages of the logging category "corvane.guarded", which is off
// unless switched on: QT_LOGGING_RULES="corvane.guarded.debug=true" prints them on the error
// output. Users see nothing.
class SkippedFailureLog : public ISkippedFailureSink {
 public:
  SkippedFailureLog() = default;
  void Skipped(const std::string& line) override;
};

}  // namespace corvane
