#pragma once

#include <utility>

#include "base/SkippedFailures.h"

namespace corvane {

// Runs one statement with its failure ignored: handlers run statement by statement, and a
// statement that fails is skipped while the next one still runs. Returns false on failure. The
// skip is traced, with the caller's place, for a developer (see SkippedFailures.h).
template <typename Statement>
bool guarded(Statement&& statement, const char* file = __builtin_FILE(),
             int line = __builtin_LINE(), const char* function = __builtin_FUNCTION()) noexcept {
  try {
    std::forward<Statement>(statement)();
    return true;
  } catch (...) {
    traceSkippedFailure(file, line, function);
    return false;
  }
}

}  // namespace corvane
