#include "layout/LayoutMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace corvane {
namespace {

TEST(LayoutMathTest, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(roundToInt32(0.5f), 0);
  EXPECT_EQ(roundToInt32(1.5f), 2);
  EXPECT_EQ(roundToInt32(2.5f), 2);
  EXPECT_EQ(roundToInt32(4874.5f), 4874);
  EXPECT_EQ(roundToInt32(4875.5f), 4876);
  EXPECT_EQ(roundToInt32(-0.5f), 0);
  EXPECT_EQ(roundToInt32(-2.5f), -2);
  EXPECT_EQ(roundToInt32(-3.5f), -4);
  EXPECT_EQ(roundToInt32(2.4f), 2);
  EXPECT_EQ(roundToInt32(-2.6f), -3);
}

TEST(LayoutMathTest, RoundingRefusesWhatDoesNotFitInt32) {
  EXPECT_EQ(roundToInt32(-2147483648.0f), std::numeric_limits<int32_t>::min());
  EXPECT_EQ(roundToInt32(2147483520.0f), 2147483520);  // largest float below 2^31
  EXPECT_FALSE(roundToInt32(2147483648.0f).has_value());
  EXPECT_FALSE(roundToInt32(-2147483904.0f).has_value());
  EXPECT_FALSE(roundToInt32(std::numeric_limits<float>::infinity()).has_value());
  EXPECT_FALSE(roundToInt32(std::nanf("")).has_value());
}

TEST(LayoutMathTest, AdditionReportsOverflow) {
  EXPECT_EQ(addInt32(1015, 965), 1980);
  EXPECT_EQ(addInt32(std::numeric_limits<int32_t>::max(), -1), 2147483646);
  EXPECT_FALSE(addInt32(std::numeric_limits<int32_t>::max(), 1).has_value());
  EXPECT_FALSE(addInt32(std::numeric_limits<int32_t>::min(), -1).has_value());
}

}  // namespace
}  // namespace corvane
