#include "browser/StandInPages.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

const std::string kCannotOpen = "data:text/html;charset=utf-8;base64,Q2Fubm90";
const std::string kText = "data:text/plain;charset=utf-8;base64,dGV4dA==";
const std::string kNotice = "data:text/html;charset=utf-8;base64,Tm90aWNl";

TEST(StandInPagesTest, AStandInIsReportedAsWhatItStandsFor) {
  StandInPages pages("http://open.test/k/");
  pages.addCannotOpen(kCannotOpen, "foo bar");
  pages.addFile(kText, "file:///tmp/notes.txt");
  EXPECT_EQ(pages.reported(kCannotOpen), "foo bar");
  EXPECT_EQ(pages.reported(kText), "file:///tmp/notes.txt");
  EXPECT_TRUE(pages.isCannotOpen(kCannotOpen));
  EXPECT_FALSE(pages.isCannotOpen(kText));
  // Any other page, a data page of the site's own included, is itself.
  EXPECT_EQ(pages.reported("http://site.test/a.html"), "http://site.test/a.html");
  EXPECT_EQ(pages.reported("data:text/html,<p>site"), "data:text/html,<p>site");
  EXPECT_FALSE(pages.isCannotOpen("data:text/html,<p>site"));
}

TEST(StandInPagesTest, AStandInHasNoTitleOfItsOwnUntilItsPageNamesItself) {
  StandInPages pages("http://open.test/k/");
  pages.addCannotOpen(kCannotOpen, "foo bar");
  pages.addFile(kText, "file:///tmp/notes.txt");
  // Until the page's own title arrives the engine names the page after its long address.
  EXPECT_EQ(pages.title(kCannotOpen, kCannotOpen), "");
  EXPECT_EQ(pages.title("Cannot open foo bar", kCannotOpen), "Cannot open foo bar");
  // A file is named by its address, whatever its stand-in's title.
  EXPECT_EQ(pages.title("notes.txt", kText), "");
  EXPECT_EQ(pages.title("Page A", "http://site.test/a.html"), "Page A");
}

TEST(StandInPagesTest, AButtonOpensItsFileOnlyFromItsOwnPage) {
  StandInPages pages("http://open.test/k/");
  const std::string first = pages.nextButton();
  pages.addButton(first, kNotice, "/tmp/a.odt");
  const std::string second = pages.nextButton();
  EXPECT_NE(first, second);
  EXPECT_EQ(first.rfind("http://open.test/k/", 0), 0u);
  EXPECT_TRUE(pages.isButton(first));
  EXPECT_FALSE(pages.isButton(second));
  EXPECT_EQ(pages.buttonFile(first, kNotice), "/tmp/a.odt");
  // A page that has learnt the address gets nothing opened.
  EXPECT_EQ(pages.buttonFile(first, "http://site.test/a.html"), std::nullopt);
  EXPECT_EQ(pages.buttonFile("http://open.test/k/9", kNotice), std::nullopt);
}

}  // namespace
}  // namespace corvane
