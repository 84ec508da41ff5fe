#include "browser/ZoomSteps.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(ZoomStepsTest, StepsGoToTheNeighbouringFactorAndStopAtTheEnds) {
  EXPECT_DOUBLE_EQ(ZoomSteps::larger(1.0), 1.1);
  EXPECT_DOUBLE_EQ(ZoomSteps::smaller(1.0), 0.9);
  // The engine's rounding of a step is still that step.
  EXPECT_DOUBLE_EQ(ZoomSteps::larger(1.0999), 1.25);
  EXPECT_DOUBLE_EQ(ZoomSteps::smaller(0.9001), 0.8);
  // A factor between steps goes to the next step on its way, not two.
  EXPECT_DOUBLE_EQ(ZoomSteps::larger(1.2), 1.25);
  EXPECT_DOUBLE_EQ(ZoomSteps::smaller(1.2), 1.1);
  EXPECT_DOUBLE_EQ(ZoomSteps::larger(5.0), 5.0);
  EXPECT_DOUBLE_EQ(ZoomSteps::smaller(0.25), 0.25);
  EXPECT_DOUBLE_EQ(ZoomSteps::smaller(0.1), 0.25);
}

}  // namespace
}  // namespace corvane
