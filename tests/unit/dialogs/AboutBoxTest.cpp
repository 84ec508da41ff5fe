#include "dialogs/AboutBox.h"

#include <gtest/gtest.h>

#include "FakeWindowMetrics.h"
#include "PaneRig.h"

namespace corvane {
namespace {

// The link is driven end to end; an address the control refuses still shows in the top pane
// alone.
TEST(AboutBox, TheLinkShowsTheSiteInTheTopPaneAloneEvenIfTheAddressIsRefused) {
  FakeWindowMetrics metrics;
  Layout layout{metrics};
  layout.InitLayout();
  PaneRig top;
  top.browser.setThrowOnNavigate(true);
  top.box.SetText("http://elsewhere.example/");
  AboutBox(layout, top.controller, "http://site.example/").lblURL_Click();
  EXPECT_EQ(top.box.Text(), "http://site.example/");
  EXPECT_EQ(top.browser.navigations(), (std::vector<std::string>{"http://site.example/"}));
  EXPECT_EQ(top.label.Caption(), "Going to http://site.example/");
  EXPECT_EQ(layout.viewMode(), ViewMode::Top);
  EXPECT_FALSE(layout.model().visible(ControlId::brwWebBrowser2));
}

}  // namespace
}  // namespace corvane
