#include "browser/StandInTitle.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(StandInTitleTest, TheEnginesNamesForAnUntitledPageAreStandIns) {
  EXPECT_TRUE(isStandInTitle("", "http://site.test/a.html"));
  EXPECT_TRUE(isStandInTitle("site.test/a.html", "http://site.test/a.html"));
  EXPECT_TRUE(isStandInTitle("127.0.0.1:8080", "http://127.0.0.1:8080/"));
  EXPECT_TRUE(isStandInTitle("http://site.test/a.html", "http://site.test/a.html"));
  EXPECT_TRUE(isStandInTitle("https://site.test/a b", "https://site.test/a%20b"));
  EXPECT_TRUE(isStandInTitle("site.test/q?x=1", "https://site.test/q?x=1"));
  EXPECT_TRUE(isStandInTitle("data:text/html,<p>hi", "data:text/html,%3Cp%3Ehi"));
  // A local file by its name or its path, escapes decoded.
  EXPECT_TRUE(isStandInTitle("local page.html", "file:///tmp/local%20page.html"));
  EXPECT_TRUE(isStandInTitle("/tmp/local page.html", "file:///tmp/local%20page.html"));
  // A source view like its page.
  EXPECT_TRUE(
      isStandInTitle("view-source:site.test/a.html", "view-source:http://site.test/a.html"));
}

TEST(StandInTitleTest, APagesOwnTitleIsNotAStandIn) {
  EXPECT_FALSE(isStandInTitle("Page A", "http://site.test/a.html"));
  // Part of a web address is a title; only a file is named by its name alone.
  EXPECT_FALSE(isStandInTitle("a.html", "http://site.test/a.html"));
  EXPECT_FALSE(isStandInTitle("site.test", "http://site.test/a.html"));
  EXPECT_FALSE(isStandInTitle("tmp", "file:///tmp/local.html"));
  EXPECT_FALSE(isStandInTitle("view-source:Page A", "view-source:http://site.test/a.html"));
  // A malformed escape is no reason to match.
  EXPECT_FALSE(isStandInTitle("site.test/%zz", "http://site.test/%2"));
}

}  // namespace
}  // namespace corvane
