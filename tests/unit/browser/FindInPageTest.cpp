#include "browser/FindInPage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane {
namespace {

struct RecordingPage : IFindTarget {
  std::vector<std::string> calls;
  void find(const std::string& text, bool backward, bool matchCase) override {
    calls.push_back(text + (backward ? " back" : " on") + (matchCase ? " case" : ""));
  }
  void clearFind() override { calls.push_back("clear"); }
};

TEST(FindInPageTest, FindsAsTypedStepsBothWaysAndStartsOverOnANewCaseRule) {
  RecordingPage page;
  FindInPage bar(page);
  bar.setText("ab");
  bar.next();
  bar.previous();
  bar.setMatchCase(true);
  bar.setText("");
  bar.next();
  EXPECT_EQ(page.calls, (std::vector<std::string>{"ab on", "ab on", "ab back", "clear",
                                                  "ab on case", "clear", "clear"}));
  EXPECT_FALSE(bar.hasText());
}

TEST(FindInPageTest, ShowsTheAnswerOnlyWhileThereIsATextAndTheBarIsUp) {
  RecordingPage page;
  FindInPage bar(page);
  bar.setText("ab");
  bar.answered(5, 2);
  EXPECT_EQ(bar.result(), "2 of 5");
  bar.answered(0, 0);
  EXPECT_EQ(bar.result(), "No matches");
  // Late answers: to a find made before the text was emptied, or before the bar was put away.
  bar.setText("");
  bar.answered(5, 1);
  EXPECT_EQ(bar.result(), "");
  bar.setText("ab");
  bar.dismiss();
  bar.answered(5, 1);
  EXPECT_EQ(bar.result(), "");
  EXPECT_EQ(page.calls.back(), "clear");
}

}  // namespace
}  // namespace corvane
