#include "menus/MenuBar.h"

#include <gtest/gtest.h>

#include <vector>


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

}  // namespace
}  // namespace corvane
