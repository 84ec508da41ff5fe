#include "favorites/NewFolderPath.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(NewFolderPathTest, ANameGoesInsideItsParentAndNothingElseMakesAFolder) {
  EXPECT_EQ(NewFolderPath("", "  Work "), "Work");
  EXPECT_EQ(NewFolderPath("Work/2024", "Notes .url"), "Work/2024/Notes .url");
  for (const char* refused : {"", "   ", ".", "..", "../etc", "a/b", "/"}) {
    EXPECT_FALSE(NewFolderPath("Work", refused)) << refused;
  }
}

}  // namespace
}  // namespace corvane
