#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

namespace corvane {

// The base of tests that need permission bits to bind, which they don't for root. Their suites
// are named "<Something>Permissions" (using SettingsPermissions = UnprivilegedTest;): when the
// test run is root, the unit_tests_unprivileged test runs them again as an unprivileged user,
// where a skip counts as a failure.
class UnprivilegedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (::geteuid() == 0) {
      GTEST_SKIP() << "permission bits don't bind root; unit_tests_unprivileged runs this";
    }
  }
};

}  // namespace corvane
