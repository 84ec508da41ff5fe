#include "layout/Splitters.h"

#include <gtest/gtest.h>

#include "ControlRectPrinter.h"
#include "FakeWindowMetrics.h"
#include "layout/Layout.h"

namespace corvane {
namespace {

using C = ControlId;

// A loaded window after its first pass, view mode Both.
struct Window {
  explicit Window(bool favoritesShown, float clientHeight = 6855) {
    metrics.resize(9840, clientHeight);
    layout.InitLayout();
    layout.model().setFavoritesShown(favoritesShown);
    layout.Form_Resize();
  }
  const ControlRect& rect(ControlId id) const { return layout.model().rect(id); }
  // Top browser's height, bottom browser's Top and height, pane splitter's Top.
  void expectBoundary(float topHeight, float bottomTop, float bottomHeight, float splitTop) const {
    EXPECT_EQ(rect(C::brwWebBrowser1).Height, topHeight);
    EXPECT_EQ(rect(C::brwWebBrowser2).Top, bottomTop);
    EXPECT_EQ(rect(C::brwWebBrowser2).Height, bottomHeight);
    EXPECT_EQ(rect(C::browserSplit).Top, splitTop);
  }

  FakeWindowMetrics metrics;
  Layout layout{metrics};
};

TEST(SplittersTest, PaneSplitterMovesTheBoundaryByReleaseLessPress) {
  Window w(false);
  w.expectBoundary(2327.5f, 3527.5f, 2327.5f, 3352.5f);
  w.layout.browserSplit_MouseDown(500, 40);
  w.expectBoundary(2287.5f, 3487.5f, 2367.5f, 3312.5f);
  w.layout.browserSplit_MouseUp(500, 100);
  w.expectBoundary(2387.5f, 3587.5f, 2267.5f, 3412.5f);
  EXPECT_EQ(w.layout.model().backColour(C::browserSplit), BarColour::Window);

  // A click without movement: the press moved the bar up by 60, so the release lands at 120.
  Window click(false);
  click.layout.browserSplit_MouseDown(0, 60);
  click.layout.browserSplit_MouseUp(0, 120);
  click.expectBoundary(2387.5f, 3587.5f, 2267.5f, 3412.5f);

  // The next pass restores the even split.
  click.layout.Form_Resize();
  click.expectBoundary(2327.5f, 3527.5f, 2327.5f, 3352.5f);
}

TEST(SplittersTest, PaneSplitterIsLockedWhileTheBottomBrowserIsAtMost400High) {
  Window w(false, 3000);  // each browser 400 high, its Top exactly 500 above the strip
  w.expectBoundary(400, 1600, 400, 1425);
  w.layout.browserSplit_MouseDown(0, 50);
  w.expectBoundary(400, 1600, 400, 1425);

  // The release runs the pass instead of moving the boundary.
  w.metrics.resize(9840, 6855);
  w.layout.browserSplit_MouseUp(0, 50);
  w.expectBoundary(2327.5f, 3527.5f, 2327.5f, 3352.5f);

  Window unlocked(false, 3002);  // 401 high: the press acts
  unlocked.layout.browserSplit_MouseDown(0, 10);
  unlocked.expectBoundary(391, 1591, 411, 1416);

  // The bar alone at 500 above the strip locks it too.
  Window barLow(false);
  barLow.layout.model().setTop(C::browserSplit, 5955 - 500);
  barLow.layout.browserSplit_MouseDown(0, 10);
  barLow.expectBoundary(2327.5f, 3527.5f, 2327.5f, 5455);
}

TEST(SplittersTest, PaneSplitterStopsAtTheFirstRejectedHeight) {
  Window below(false);
  below.layout.browserSplit_MouseUp(0, 5000);
  // The top browser grew; the bottom one would be negative, so it and the bar stay.
  below.expectBoundary(7327.5f, 3527.5f, 2327.5f, 3352.5f);

  Window above(false);
  above.layout.browserSplit_MouseDown(0, 3000);
  above.expectBoundary(2327.5f, 3527.5f, 2327.5f, 3352.5f);
}

TEST(SplittersTest, FavoritesSplitterFollowsThePointerAndRelaysOutOnRelease) {
  Window w(true);
  w.layout.picSplit_MouseMove(300, 10);  // no press: nothing moves
  EXPECT_EQ(w.rect(C::picSplit).Left, 2160);

  w.layout.picSplit_MouseDown(20, 10);
  EXPECT_TRUE(w.layout.model().FavoritesDragging());
  EXPECT_EQ(w.layout.model().backColour(C::picSplit), BarColour::Highlight);
  w.layout.picSplit_MouseMove(300, 10);
  w.layout.picSplit_MouseMove(-100.5f, 10);
  EXPECT_EQ(w.rect(C::picSplit).Left, 2359.5f);
  EXPECT_EQ(w.rect(C::brwWebBrowser1).Left, 2220);  // nothing else moves during the drag

  w.layout.picSplit_MouseUp(0, 10);
  EXPECT_FALSE(w.layout.model().FavoritesDragging());
  EXPECT_EQ(w.layout.model().backColour(C::picSplit), BarColour::Window);
  EXPECT_EQ(w.rect(C::tvw), (ControlRect{30, 1585, 2329.5f, 4305}));
  EXPECT_EQ(w.rect(C::brwWebBrowser1), (ControlRect{2420, 1015, 9740 - 2329.5f, 2327.5f}));
  EXPECT_EQ(w.rect(C::frmFav).Width, 2229.5f);
  EXPECT_EQ(w.rect(C::browserSplit).Left, 2420);

  w.layout.picSplit_MouseMove(500, 10);  // released: moves do nothing again
  EXPECT_EQ(w.rect(C::picSplit).Left, 2359.5f);
}

TEST(SplittersTest, FavoritesSplitterDraggedLeftOf30KeepsTheTree) {
  Window w(true);
  w.layout.picSplit_MouseDown(0, 0);
  w.layout.picSplit_MouseMove(-2150, 0);
  w.layout.picSplit_MouseUp(0, 0);
  EXPECT_EQ(w.rect(C::picSplit).Left, 10);
  EXPECT_EQ(w.rect(C::tvw), (ControlRect{30, 1585, 2130, 4305}));
  // The browsers follow the bar but lose the tree's previous width.
  EXPECT_EQ(w.rect(C::brwWebBrowser1), (ControlRect{70, 1015, 9840 - 100 - 2130, 2327.5f}));
  EXPECT_EQ(w.rect(C::brwWebBrowser2), (ControlRect{70, 3527.5f, 7610, 2327.5f}));
  EXPECT_EQ(w.rect(C::browserSplit).Left, 70);
}

}  // namespace
}  // namespace corvane
