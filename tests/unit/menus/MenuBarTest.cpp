#include "menus/MenuBar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeWindowMetrics.h"
#include "layout/Layout.h"
#include "menus/BrowsersMenu.h"

namespace corvane {
namespace {

TEST(MenuBarTest, ClickRunsTheMenusHandlerWithTheIndexButNotForASeparator) {
  MenuBar bar;
  std::vector<int> clicked;
  bar.Add({MenuPosition::Help, "mnuB", "&B", {{0, "b0", "Other", ""}}, nullptr});
  bar.Add({MenuPosition::File,
           "mnuA",
           "&A",
           {{0, "a0", "Zero", ""}, {1, "a1", "-", ""}, {2, "a2", "Two", "F2"}},
           [&](int index) { clicked.push_back(index); }});
  bar.Add({MenuPosition::Edit, "mnuC", "&C", {}, nullptr});
  ASSERT_EQ(bar.menus().size(), 3u);  // in bar order, not in the order added
  EXPECT_EQ(bar.menus()[0].name + bar.menus()[1].name + bar.menus()[2].name, "mnuAmnuCmnuB");
  bar.Click("mnuA", 2);
  bar.Click("mnuA", 1);   // the separator
  bar.Click("mnuA", 15);  // no such item: the handler decides
  bar.Click("mnuB", 0);   // no handler
  bar.Click("mnuD", 0);   // no such menu
  EXPECT_EQ(clicked, (std::vector<int>{2, 15}));

  EXPECT_FALSE(bar.Checked("a0"));
  bar.SetChecked("a0", true);
  EXPECT_TRUE(bar.Checked("a0"));
  EXPECT_FALSE(bar.Checked("a2"));
}

// The commands for both panes follow the view modes, whose indexes stay; synchronized scrolling
// is a check item of its own, off at start, and leaves the view modes' check marks alone. Each
// item is found by its caption, shortcut or place end to end.
TEST(BrowsersMenuTest, SwapSynchronizeAndOtherPaneFollowTheViewModes) {
  FakeWindowMetrics metrics;
  metrics.resize(9840, 6855);
  Layout layout(metrics);
  layout.InitLayout();
  MenuBar bar;
  std::vector<std::string> done;
  BrowsersMenu menu(layout, bar,
                    {[&] { done.push_back("swap"); },
                     [&](bool on) { done.push_back(on ? "sync on" : "sync off"); },
                     [&] { done.push_back("other"); },
                     [&](bool on) { done.push_back(on ? "side on" : "side off"); }});
  EXPECT_FALSE(bar.Checked(BrowsersMenu::kSynchronizeScrolling));
  for (int index : {4, 5, 3, 6, 5, 5, 9, 9}) bar.Click(BrowsersMenu::kName, index);
  EXPECT_EQ(done, (std::vector<std::string>{"swap", "sync on", "other", "sync off", "sync on",
                                            "side on", "side off"}));
  EXPECT_TRUE(bar.Checked(BrowsersMenu::kSynchronizeScrolling));
  EXPECT_TRUE(bar.Checked("mnuOptionsBothBrowsers"));
  EXPECT_EQ(layout.viewMode(), ViewMode::Both);
}

}  // namespace
}  // namespace corvane
