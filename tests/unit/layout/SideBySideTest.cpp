#include "layout/SideBySide.h"

#include <gtest/gtest.h>

#include "FakeWindowMetrics.h"
#include "layout/Layout.h"

namespace corvane {
namespace {

using C = ControlId;

struct Rig {
  Rig() : layout(metrics) {
    layout.InitLayout();
    layout.Form_Resize();
  }
  const ControlRect& rect(ControlId id) const { return layout.model().rect(id); }
  float right(ControlId id) const { return rect(id).Left + rect(id).Width; }
  float bottom(ControlId id) const { return rect(id).Top + rect(id).Height; }
  // The column's toolbar row and address strip lie above its page, within its width.
  void expectAbove(ControlId page, ControlId toolbar, ControlId strip) const {
    EXPECT_EQ(rect(toolbar).Left, rect(page).Left);
    EXPECT_LE(bottom(toolbar), rect(page).Top);
    EXPECT_LE(bottom(strip), rect(page).Top);
    EXPECT_EQ(rect(strip).Left, rect(page).Left);
    EXPECT_EQ(rect(strip).Width, rect(page).Width);
  }
  bool same(const LayoutModel& other) const {
    for (std::size_t i = 0; i < kControlCount; ++i) {
      const ControlRect& a = layout.model().rect(controlAt(i));
      const ControlRect& b = other.rect(controlAt(i));
      if (a.Left != b.Left || a.Top != b.Top || a.Width != b.Width || a.Height != b.Height) {
        ADD_FAILURE() << controlName(controlAt(i));
        return false;
      }
    }
    return true;
  }

  FakeWindowMetrics metrics;
  Layout layout;
};

// The arrangement, one pane taking both columns and the splitters' moves are driven end to end;
// here the twips, and the limits a drag keeps to.
TEST(SideBySideTest, TheTopPaneGoesLeftAndTheBottomPaneRightEachWithItsRowsAbove) {
  Rig rig;
  rig.layout.SetSideBySide(true);
  rig.layout.Form_Resize();
  // 9840 wide: 9780 between the margins, the bar's 90 in the middle.
  EXPECT_EQ(rig.rect(C::brwWebBrowser1).Left, 30.0f);
  EXPECT_EQ(rig.rect(C::brwWebBrowser1).Width, 4845.0f);
  EXPECT_EQ(rig.rect(C::browserSplit).Left, 4875.0f);
  EXPECT_EQ(rig.rect(C::browserSplit).Width, SideBySide::kSplitWidth);
  EXPECT_EQ(rig.rect(C::brwWebBrowser2).Left, 4965.0f);
  EXPECT_EQ(rig.right(C::brwWebBrowser2), 9810.0f);
  EXPECT_EQ(rig.rect(C::browserSplit).Top, rig.rect(C::brwWebBrowser2).Top);
  EXPECT_EQ(rig.bottom(C::brwWebBrowser2), 6855.0f - 60.0f);
  rig.expectAbove(C::brwWebBrowser1, C::tbToolBar1, C::picAddress1);
  rig.expectAbove(C::brwWebBrowser2, C::tbToolBar2, C::picAddress2);
  // The status line and progress bar share the toolbar's row, inside the column.
  EXPECT_GT(rig.rect(C::Label1).Left, rig.right(C::tbToolBar1));
  EXPECT_LE(rig.right(C::ProgressBar1), rig.right(C::brwWebBrowser1));
  EXPECT_LE(rig.rect(C::ProgressBar2).Left + rig.rect(C::ProgressBar2).Width,
            rig.rect(C::picAddress2).Width);
  EXPECT_GE(rig.rect(C::tbToolBar1).Top, SideBySide::kOptionRow);

  // The pane splitter moves only while pressed, and leaves each page wide enough to see.
  const float leftWidth = rig.rect(C::brwWebBrowser1).Width;
  rig.layout.browserSplit_MouseMove(300, 0);
  EXPECT_EQ(rig.rect(C::brwWebBrowser1).Width, leftWidth);
  rig.layout.browserSplit_MouseDown(0, 0);
  EXPECT_EQ(rig.layout.model().backColour(C::browserSplit), BarColour::Highlight);
  rig.layout.browserSplit_MouseMove(300, 0);
  EXPECT_EQ(rig.rect(C::brwWebBrowser1).Width, leftWidth + 300);
  EXPECT_EQ(rig.rect(C::browserSplit).Left, rig.right(C::brwWebBrowser1));
  EXPECT_EQ(rig.right(C::brwWebBrowser2), 9810.0f);
  rig.layout.browserSplit_MouseMove(5000, 0);
  EXPECT_EQ(rig.rect(C::brwWebBrowser1).Width, leftWidth + 300);
  rig.layout.browserSplit_MouseUp(0, 0);
  EXPECT_EQ(rig.layout.model().backColour(C::browserSplit), BarColour::Window);
}

TEST(SideBySideTest, TurnedOffTheWindowIsLaidOutAsIfItHadNeverBeenOn) {
  Rig rig;
  Rig never;
  for (Rig* r : {&rig, &never}) {
    r->layout.SetFavoritesShown(true);
    r->layout.SetFavoritesVisible(true);
  }
  rig.layout.SetSideBySide(true);
  rig.layout.Form_Resize();
  // The favorites column stands beside both, as tall as the pages.
  EXPECT_EQ(rig.rect(C::brwWebBrowser1).Left, 2160.0f + 60.0f);
  EXPECT_EQ(rig.bottom(C::tvw), rig.bottom(C::brwWebBrowser1));
  rig.layout.browserSplit_MouseDown(0, 0);
  rig.layout.browserSplit_MouseMove(-400, 0);
  rig.layout.browserSplit_MouseUp(0, 0);
  rig.layout.SetSideBySide(false);
  for (Rig* r : {&rig, &never}) r->layout.OptionBoth_Click();
  EXPECT_TRUE(rig.same(never.layout.model()));
  EXPECT_FALSE(rig.layout.SideBySideOn());
}

}  // namespace
}  // namespace corvane
