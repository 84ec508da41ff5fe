#pragma once

#include <utility>

namespace corvane {

// Runs one statement with its failure ignored: handlers run statement by statement, and a
// statement that fails is skipped while the next one still runs. Returns false on failure.
template <typename Statement>
bool guarded(Statement&& statement) noexcept {
  try {
    std::forward<Statement>(statement)();
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace corvane
