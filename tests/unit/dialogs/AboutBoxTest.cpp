#include "dialogs/AboutBox.h"

#include <gtest/gtest.h>

#include "FakeWindowMetrics.h"
#include "PaneRig.h"

namespace corvane {
namespace {

TEST(AboutBox, VersionIsMajorDotMinorInPlainDecimal) {
  EXPECT_EQ(AboutBox::VersionText(2, 0), "Version 2.0");
  EXPECT_EQ(AboutBox::VersionText(2, 5), "Version 2.5");
  EXPECT_EQ(AboutBox::VersionText(10, 12), "Version 10.12");
}

struct Rig {
  FakeWindowMetrics metrics;
  Layout layout{metrics};
  PaneRig top;
  AboutBox about{layout, top.controller, "http://site.example/"};
  Rig() {
    layout.InitLayout();
    layout.Form_Resize();
  }
};

TEST(AboutBox, TheLinkShowsTheSiteInTheTopPaneAlone) {
  Rig rig;
  ASSERT_EQ(rig.layout.viewMode(), ViewMode::Both);
  rig.top.box.SetText("http://elsewhere.example/");
  rig.about.lblURL_Click();
  EXPECT_EQ(rig.top.box.Text(), "http://site.example/");
  EXPECT_EQ(rig.top.browser.navigations(), (std::vector<std::string>{"http://site.example/"}));
  EXPECT_EQ(rig.top.label.Caption(), "Going to http://site.example/");
  EXPECT_EQ(rig.layout.viewMode(), ViewMode::Top);
  EXPECT_FALSE(rig.layout.model().visible(ControlId::brwWebBrowser2));
  EXPECT_FALSE(rig.layout.model().visible(ControlId::browserSplit));
}

TEST(AboutBox, ARefusedAddressStillSwitchesToTheTopPane) {
  Rig rig;
  rig.top.browser.setThrowOnNavigate(true);
  rig.about.lblURL_Click();
  EXPECT_EQ(rig.top.label.Caption(), "Going to http://site.example/");
  EXPECT_EQ(rig.layout.viewMode(), ViewMode::Top);
}

}  // namespace
}  // namespace corvane
