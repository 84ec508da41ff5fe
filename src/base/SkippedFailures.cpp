#include "base/SkippedFailures.h"

#include <cxxabi.h>

#include <atomic>
#include <cstdlib>
#include <exception>
#include <string>
#include <typeinfo>

namespace corvane {

namespace {

std::atomic<ISkippedFailureSink*> current{nullptr};

std::string readableType(const std::type_info* type) {
  if (!type) return "an unknown exception";
  int status = 0;
  char* name = abi::__cxa_demangle(type->name(), nullptr, nullptr, &status);
  std::string readable = status == 0 && name ? name : type->name();
  std::free(name);
  return readable;
}

// The type of the exception being handled and, for a standard one, its own words.
std::string whatFailed() {
  if (!std::current_exception()) return "no exception";
  try {
    throw;
  } catch (const std::exception& e) {
    return readableType(&typeid(e)) + ": " + e.what();
  } catch (...) {
    return readableType(abi::__cxa_current_exception_type());
  }
}

// The path from the source tree's src/ on, which is shorter than where it was built.
std::string sourcePlace(const char* file) {
  std::string path = file ? file : "";
  const auto src = path.rfind("/src/");
  return src == std::string::npos ? path : path.substr(src + 1);
}

}  // namespace

ISkippedFailureSink* sendSkippedFailuresTo(ISkippedFailureSink* sink) noexcept {
  return current.exchange(sink);
}

void traceSkippedFailure(const char* file, int line, const char* function) noexcept {
  ISkippedFailureSink* sink = current.load();
  if (!sink) return;
  try {
    sink->Skipped(sourcePlace(file) + ":" + std::to_string(line) + ": in " +
                  (function ? function : "?") + ": " + whatFailed());
  } catch (...) {
    // The trace must never undo the skip it traces.
  }
}

}  // namespace corvane
