#include "browser/LeaveRetry.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

using Kind = LeaveRetry::Kind;

TEST(LeaveRetryTest, LeavingMakesTheHeldRequestAgainOnce) {
  LeaveRetry retry;
  retry.asked({Kind::Navigate, "http://a.test/"});
  retry.asked({Kind::GoBack, ""});  // the last request counts
  const LeaveRetry::Outcome outcome = retry.answered(true, true);
  ASSERT_TRUE(outcome.again.has_value());
  EXPECT_EQ(outcome.again->kind, Kind::GoBack);
  EXPECT_FALSE(outcome.stop);
  // Asked again, the page lets it through: a second answer has nothing to make again.
  EXPECT_FALSE(retry.answered(true, true).again.has_value());

  retry.asked({Kind::Navigate, "http://b.test/"});
  const auto navigate = retry.answered(true, false).again;
  ASSERT_TRUE(navigate.has_value());
  EXPECT_EQ(navigate->address, "http://b.test/");
}

TEST(LeaveRetryTest, StayingDropsTheRequestAndEndsTheWaitingLoad) {
  LeaveRetry retry;
  retry.asked({Kind::Refresh, ""});
  const LeaveRetry::Outcome outcome = retry.answered(false, true);
  EXPECT_FALSE(outcome.again.has_value());
  EXPECT_TRUE(outcome.stop);
  EXPECT_FALSE(retry.answered(true, true).again.has_value());
  // With nothing loading there is nothing to end.
  retry.asked({Kind::GoForward, ""});
  EXPECT_FALSE(retry.answered(false, false).stop);
}

TEST(LeaveRetryTest, ARequestThePageLetThroughIsNotMadeAgain) {
  LeaveRetry retry;
  retry.asked({Kind::Navigate, "http://a.test/"});
  retry.letThrough();
  EXPECT_FALSE(retry.answered(true, true).again.has_value());
}

}  // namespace
}  // namespace corvane
