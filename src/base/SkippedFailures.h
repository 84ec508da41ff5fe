#pragma once

#include "base/ISkippedFailureSink.h"

namespace corvane {

// Makes `sink` the one that hears of every skipped failure from now on (null: none hears), and
// returns the one before. `guarded` is called everywhere as a plain function, so the sink is set
// once at start-up rather than handed to each caller.
ISkippedFailureSink* sendSkippedFailuresTo(ISkippedFailureSink* sink) noexcept;

// Tells the sink, if there is one, that the step at file:line of function was skipped because of
// the exception being handled. Only inside a catch block; never throws.
void traceSkippedFailure(const char* file, int line, const char* function) noexcept;

}  // namespace corvane
