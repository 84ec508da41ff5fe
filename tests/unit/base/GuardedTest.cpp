#include "base/Guarded.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>
#include <string>

#include "RecordingSkippedFailures.h"

namespace corvane {
namespace {

struct Refusal {};

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A failing step is skipped, the next one runs, and the skip reaches the trace with the caller's
// file, line and function and what failed: a standard exception's type and words, any other
// exception's type. A step that succeeds leaves no line.
TEST(GuardedTest, AFailingStepIsTracedWithItsPlaceAndTheNextStepStillRuns) {
  RecordingSkippedFailures trace;
  bool next = false;
  const int line = __LINE__ + 1;
  EXPECT_FALSE(guarded([] { throw std::runtime_error("no window"); }));
  EXPECT_TRUE(guarded([&] { next = true; }));
  EXPECT_FALSE(guarded([] { throw Refusal{}; }));
  EXPECT_TRUE(next);

  ASSERT_EQ(trace.lines().size(), 2u);
  const std::string place = "tests/unit/base/GuardedTest.cpp:" + std::to_string(line);
  EXPECT_TRUE(endsWith(trace.lines()[0], place + ": in TestBody: std::runtime_error: no window"))
      << trace.lines()[0];
  EXPECT_TRUE(
      endsWith(trace.lines()[1], "GuardedTest.cpp:" + std::to_string(line + 2) +
                                     ": in TestBody: corvane::(anonymous namespace)::Refusal"))
      << trace.lines()[1];
}

// The trace never undoes the skip it traces: a sink that throws is passed over.
TEST(GuardedTest, ASinkThatThrowsLeavesTheSkipAsItWas) {
  class Throwing : public ISkippedFailureSink {
    void Skipped(const std::string&) override { throw std::bad_alloc(); }
  } throwing;
  ISkippedFailureSink* before = sendSkippedFailuresTo(&throwing);
  bool next = false;
  EXPECT_FALSE(guarded([] { throw std::runtime_error("no window"); }));
  EXPECT_TRUE(guarded([&] { next = true; }));
  sendSkippedFailuresTo(before);
  EXPECT_TRUE(next);
}

}  // namespace
}  // namespace corvane
