#include "layout/Layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iterator>
#include <ostream>
#include <set>
#include <string>
#include <tuple>

#include "FakeWindowMetrics.h"
#include "layout/LayoutMath.h"
#include "layout/SideBySide.h"

namespace corvane {

void PrintTo(const ControlRect& r, std::ostream* os) {
  *os << "(" << r.Left << ", " << r.Top << ", " << r.Width << ", " << r.Height << ")";
}

namespace {

using C = ControlId;
using Handler = void (Layout::*)();

// The designed window after InitLayout and a first pass, view mode Both.
struct Window {
  explicit Window(bool favorites, float clientHeight = 6855) {
    metrics.resize(9840, clientHeight);
    layout.InitLayout();
    layout.SetFavoritesShown(favorites);
    layout.SetFavoritesVisible(favorites);
    layout.Form_Resize();
  }
  const LayoutModel& model() const { return layout.model(); }
  const ControlRect& rect(ControlId id) const { return layout.model().rect(id); }
  // Top browser's height, bottom browser's Top and height, pane splitter's Top.
  void expectBoundary(float topHeight, float bottomTop, float bottomHeight, float splitTop) const {
    EXPECT_EQ(std::make_tuple(rect(C::brwWebBrowser1).Height, rect(C::brwWebBrowser2).Top,
                              rect(C::brwWebBrowser2).Height, rect(C::browserSplit).Top),
              std::make_tuple(topHeight, bottomTop, bottomHeight, splitTop));
  }
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

  FakeWindowMetrics metrics;
  Layout layout{metrics};
};

void expectSameRects(const LayoutModel& a, const LayoutModel& b) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    EXPECT_EQ(a.rect(controlAt(i)), b.rect(controlAt(i))) << controlName(controlAt(i));
  }
}

TEST(LayoutMathTest, RoundsHalfToEvenWithinInt32AndAddsWithOverflowCheck) {
  const std::pair<float, int32_t> rounded[] = {{1.5f, 2},
                                               {2.5f, 2},
                                               {-2.5f, -2},
                                               {-3.5f, -4},
                                               {-2.6f, -3},
                                               {-2147483648.0f, INT32_MIN},
                                               {2147483520.0f, 2147483520}};
  for (const auto& [value, result] : rounded) EXPECT_EQ(roundToInt32(value), result) << value;
  for (float value : {2147483648.0f, -2147483904.0f, INFINITY, NAN}) {
    EXPECT_EQ(roundToInt32(value), std::nullopt) << value;
  }
  EXPECT_EQ(addInt32(INT32_MAX, -1), INT32_MAX - 1);
  EXPECT_EQ(addInt32(INT32_MAX, 1), std::nullopt);
  EXPECT_EQ(addInt32(INT32_MIN, -1), std::nullopt);
}

TEST(LayoutModelTest, StartsWithTheFavoritesColumnHiddenAndRejectsWhatAControlWould) {
  LayoutModel model;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlId id = controlAt(i);
    EXPECT_EQ(model.visible(id), id != C::frmFav && id != C::tvw && id != C::picSplit)
        << controlName(id);
  }
  EXPECT_TRUE(model.setLeft(C::brwWebBrowser1, -250.5f));
  EXPECT_TRUE(model.setTop(C::brwWebBrowser1, -900.0f));
  EXPECT_FALSE(model.setWidth(C::brwWebBrowser1, -1.0f));
  EXPECT_FALSE(model.setHeight(C::brwWebBrowser1, -0.5f));
  EXPECT_FALSE(model.setTop(C::brwWebBrowser1, std::nanf("")));
  EXPECT_FALSE(model.setLeft(C::brwWebBrowser1, 1.0e10f));
  EXPECT_EQ(model.rect(C::brwWebBrowser1), (ControlRect{-250.5f, -900, 9795, 2400}));
  EXPECT_FALSE(model.setRect(C::tvw, {30, 1585, 2130, -10}));  // all or nothing
  EXPECT_EQ(model.rect(C::tvw), ControlRect{});
}

TEST(LayoutModelTest, NamesAreUniqueAndContainersComeFirst) {
  std::set<std::string> names;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlId id = controlAt(i);
    EXPECT_TRUE(names.insert(controlName(id)).second) << controlName(id);
    if (auto container = containerOf(id)) {
      EXPECT_LT(indexOf(*container), i) << controlName(id);
    }
  }
}

TEST(LayoutEngineTest, InitLayoutDerivesTheReservesAndSetsUpTheBars) {
  FakeWindowMetrics metrics;
  Layout layout(metrics);
  layout.InitLayout();
  const LayoutFields& f = layout.model().fields();
  EXPECT_EQ(std::make_tuple(f.SplitterThickness, f.TopReserve, f.BottomReserve, f.VerticalReserve),
            std::make_tuple(60, 1015, 965, 1980));
  EXPECT_EQ(layout.model().rect(C::picSplit), (ControlRect{2160, 1015, 60, 3135}));
  EXPECT_EQ(layout.model().rect(C::browserSplit), (ControlRect{0, 4130, 19200, 180}));
  EXPECT_TRUE(layout.model().visible(C::browserSplit));

  // The heights as they are at load count; 1105.5 rounds to the even 1106.
  LayoutModel tallerDesign;
  tallerDesign.setHeight(C::tbToolBar1, 600.5f);
  tallerDesign.setHeight(C::lblAddress2, 300);
  Layout taller(metrics, tallerDesign);
  taller.InitLayout();
  EXPECT_EQ(taller.model().fields().TopReserve, 1106);
  EXPECT_EQ(taller.model().fields().BottomReserve, 1010);
}

TEST(LayoutEngineTest, WorkedExampleToTheHalfTwip) {
  const Window w(true);
  EXPECT_EQ(w.rect(C::frmFav), (ControlRect{0, 1015, 2030, 570}));
  EXPECT_EQ(w.rect(C::picSplit), (ControlRect{2160, 1015, 60, 4875}));
  EXPECT_EQ(w.rect(C::tvw), (ControlRect{30, 1585, 2130, 4305}));
  EXPECT_EQ(w.rect(C::brwWebBrowser1), (ControlRect{2220, 1015, 7610, 2327.5f}));
  EXPECT_EQ(w.rect(C::browserSplit), (ControlRect{2220, 3352.5f, 7610, 180}));
  EXPECT_EQ(w.rect(C::brwWebBrowser2), (ControlRect{2220, 3527.5f, 7610, 2327.5f}));
  EXPECT_EQ(w.rect(C::cboAddress1), (ControlRect{960, 600, 8840, 360}));
  EXPECT_EQ(w.rect(C::cboAddress2).Width, 8840);
  EXPECT_EQ(w.rect(C::picAddress2), (ControlRect{0, 5955, 9840, 1035}));
  EXPECT_EQ(w.rect(C::tbToolBar2).Top, 6355);
  EXPECT_EQ(w.rect(C::ProgressBar1).Left, 8060);
  EXPECT_EQ(w.rect(C::ProgressBar2).Left, 8060);

  // 4875.5 rounds to the even 4876, the bar's right edge 2220.5 to 2220.
  Window odd(true, 6855.5f);
  odd.layout.picSplit_MouseDown(0, 0);  // half a twip to the right; the release runs the pass
  odd.layout.picSplit_MouseMove(0.5f, 0);
  odd.layout.picSplit_MouseUp(0, 0);
  EXPECT_EQ(odd.rect(C::picSplit).Height, 4876);
  EXPECT_EQ(odd.rect(C::brwWebBrowser1).Left, 2220);
  EXPECT_EQ(odd.rect(C::tvw).Width, 2130.5f);
}

TEST(LayoutEngineTest, ClientLowerThanTheReservesKeepsTheRejectedRectangles) {
  Window w(true);
  w.metrics.resize(5000, 1500);
  w.layout.Form_Resize();
  // h = -480: the splitter's height, the tree and both browsers' rectangles keep their values,
  // while the later rules still apply where they can.
  EXPECT_EQ(w.rect(C::picSplit), (ControlRect{2160, 1015, 60, 4875}));
  EXPECT_EQ(w.rect(C::tvw), (ControlRect{30, 1585, 2130, 4305}));
  EXPECT_EQ(w.rect(C::brwWebBrowser1), (ControlRect{2220, 1015, 2770, 2327.5f}));
  EXPECT_EQ(w.rect(C::brwWebBrowser2), (ControlRect{2220, -1827.5f, 2770, 2327.5f}));
  EXPECT_EQ(w.rect(C::browserSplit), (ControlRect{2220, -2002.5f, 2770, 180}));
  EXPECT_EQ(w.rect(C::picAddress2), (ControlRect{0, 600, 5000, 1035}));
}

TEST(LayoutEngineTest, MinimisedWindowMovesRowsOffTheTopAndRestores) {
  Window w(false);
  const LayoutModel before = w.model();
  w.metrics.resize(0, 0);
  w.layout.Form_Resize();
  EXPECT_EQ(w.rect(C::tbToolBar2).Top, -500);
  EXPECT_EQ(w.rect(C::picAddress2), (ControlRect{0, -900, 0, 1035}));
  EXPECT_EQ(w.rect(C::ProgressBar1).Left, -1780);
  EXPECT_EQ(w.rect(C::brwWebBrowser1), before.rect(C::brwWebBrowser1));
  EXPECT_EQ(w.rect(C::brwWebBrowser2), (ControlRect{30, -3327.5f, 9740, 2327.5f}));
  EXPECT_EQ(w.rect(C::browserSplit).Top, -3502.5f);

  w.metrics.resize(9840, 6855);
  w.layout.Form_Resize();
  expectSameRects(w.model(), before);
}

TEST(LayoutEngineTest, HiddenFavoritesLeaveThePaneSplitterWhereItWas) {
  Window w(false);
  // Never shown: the designed Left and the screen's width from InitLayout.
  EXPECT_EQ(w.rect(C::browserSplit), (ControlRect{0, 3352.5f, 19200, 180}));
  EXPECT_EQ(w.rect(C::brwWebBrowser1), (ControlRect{30, 1015, 9740, 2327.5f}));
  EXPECT_EQ(w.rect(C::tvw), ControlRect{});

  w.layout.SetFavoritesShown(true);
  w.layout.Form_Resize();
  w.layout.SetFavoritesShown(false);
  w.metrics.resize(8000, 6855);
  w.layout.Form_Resize();
  // The Left and Width of the last pass with the favorites shown.
  EXPECT_EQ(w.rect(C::browserSplit), (ControlRect{2220, 3352.5f, 7610, 180}));
  EXPECT_EQ(w.rect(C::brwWebBrowser1), (ControlRect{30, 1015, 7900, 2327.5f}));
  EXPECT_EQ(w.rect(C::tvw), (ControlRect{30, 1585, 0, 0}));
  EXPECT_EQ(w.rect(C::frmFav).Width, 2030);
}

TEST(SplittersTest, PaneSplitterIsLockedWhileTheBottomBrowserIsAtMost400High) {
  Window w(false, 3000);  // each browser 400 high, its Top exactly 500 above the strip
  w.layout.browserSplit_MouseDown(0, 50);
  w.expectBoundary(400, 1600, 400, 1425);
  w.metrics.resize(9840, 6855);
  w.layout.browserSplit_MouseUp(0, 50);  // runs the pass instead
  w.expectBoundary(2327.5f, 3527.5f, 2327.5f, 3352.5f);

  Window unlocked(false, 3002);
  unlocked.layout.browserSplit_MouseDown(0, 10);
  unlocked.expectBoundary(391, 1591, 411, 1416);
}

TEST(SplittersTest, PaneSplitterStopsAtTheFirstRejectedHeight) {
  Window below(false), above(false);
  below.layout.browserSplit_MouseUp(0, 5000);
  below.expectBoundary(7327.5f, 3527.5f, 2327.5f, 3352.5f);
  above.layout.browserSplit_MouseDown(0, 3000);
  above.expectBoundary(2327.5f, 3527.5f, 2327.5f, 3352.5f);
}

TEST(SplittersTest, FavoritesSplitterFollowsThePointerWhilePressedAndRelaysOutOnRelease) {
  Window w(true);
  w.layout.picSplit_MouseMove(300, 10);
  w.layout.picSplit_MouseDown(20, 10);
  EXPECT_EQ(w.model().backColour(C::picSplit), BarColour::Highlight);
  w.layout.picSplit_MouseMove(300, 10);
  w.layout.picSplit_MouseMove(-100.5f, 10);
  EXPECT_EQ(w.rect(C::picSplit).Left, 2359.5f);
  EXPECT_EQ(w.rect(C::brwWebBrowser1).Left, 2220);

  w.layout.picSplit_MouseUp(0, 10);
  EXPECT_EQ(w.model().backColour(C::picSplit), BarColour::Window);
  EXPECT_EQ(w.rect(C::tvw), (ControlRect{30, 1585, 2329.5f, 4305}));
  EXPECT_EQ(w.rect(C::brwWebBrowser1), (ControlRect{2420, 1015, 9740 - 2329.5f, 2327.5f}));
  EXPECT_EQ(w.rect(C::frmFav).Width, 2229.5f);
  EXPECT_EQ(w.rect(C::browserSplit).Left, 2420);
  w.layout.picSplit_MouseMove(500, 10);
  EXPECT_EQ(w.rect(C::picSplit).Left, 2359.5f);
}

TEST(SplittersTest, FavoritesSplitterDraggedLeftOf30KeepsTheTreesLastRectangle) {
  Window w(true);
  w.layout.picSplit_MouseDown(0, 0);
  w.layout.picSplit_MouseMove(-2150, 0);
  w.layout.picSplit_MouseUp(0, 0);
  EXPECT_EQ(w.rect(C::picSplit).Left, 10);
  EXPECT_EQ(w.rect(C::tvw), (ControlRect{30, 1585, 2130, 4305}));
  // The browsers follow the bar but lose the tree's previous width.
  EXPECT_EQ(w.rect(C::brwWebBrowser1), (ControlRect{70, 1015, 9740 - 2130, 2327.5f}));
  EXPECT_EQ(w.rect(C::browserSplit).Left, 70);
}

// The top pane, the bottom pane and the pane splitter as shown or hidden; the favorites column
// and the option buttons stay.
void expectVisible(const LayoutModel& model, bool top, bool bottom) {
  for (ControlId id : {C::picAddress1, C::brwWebBrowser1, C::cboAddress1, C::tbToolBar1, C::Label1,
                       C::lblAddress1, C::ProgressBar1}) {
    EXPECT_EQ(model.visible(id), top) << controlName(id);
  }
  for (ControlId id : {C::picAddress2, C::brwWebBrowser2, C::cboAddress2, C::tbToolBar2, C::Label2,
                       C::lblAddress2, C::ProgressBar2}) {
    EXPECT_EQ(model.visible(id), bottom) << controlName(id);
  }
  EXPECT_EQ(model.visible(C::browserSplit), top && bottom);
  for (ControlId id :
       {C::tvw, C::picSplit, C::frmFav, C::OptionBoth, C::OptionTop, C::OptionBottom}) {
    EXPECT_TRUE(model.visible(id)) << controlName(id);
  }
}

TEST(ViewModesTest, TopAndBottomStretchTheirBrowserAndAlignTheFavoritesAlsoAfterAPass) {
  Window w(true);
  w.layout.OptionTop_Click();
  EXPECT_EQ(w.layout.viewMode(), ViewMode::Top);
  EXPECT_EQ(w.rect(C::brwWebBrowser1), (ControlRect{2220, 1015, 7610, 6855 - 1135}));
  EXPECT_EQ(w.rect(C::frmFav).Top, 1015);
  EXPECT_EQ(w.rect(C::tvw), (ControlRect{30, 1585, 2130, 5720 - 570}));
  expectVisible(w.model(), true, false);
  w.metrics.resize(12000, 9000);
  w.layout.Form_Resize();
  EXPECT_EQ(w.rect(C::brwWebBrowser1), (ControlRect{2220, 1015, 9770, 9000 - 1135}));
  EXPECT_EQ(w.rect(C::tvw), (ControlRect{30, 1585, 2130, 7865 - 570}));
  EXPECT_EQ(w.rect(C::brwWebBrowser2).Height, 3400);  // laid out, though hidden
  expectVisible(w.model(), true, false);

  w.layout.OptionBottom_Click();
  EXPECT_EQ(w.layout.viewMode(), ViewMode::Bottom);
  EXPECT_EQ(w.rect(C::brwWebBrowser2), (ControlRect{2220, 320, 9770, 9000 - 1300}));
  expectVisible(w.model(), false, true);
  w.metrics.resize(9840, 6855);
  w.layout.Form_Resize();
  EXPECT_EQ(w.rect(C::brwWebBrowser2), (ControlRect{2220, 320, 7610, 6855 - 1300}));
  EXPECT_EQ(w.rect(C::frmFav).Top, 320);
  EXPECT_EQ(w.rect(C::tvw), (ControlRect{30, 890, 2130, 5555 - 570}));
  EXPECT_EQ(w.rect(C::brwWebBrowser1).Height, 2327.5f);
  EXPECT_EQ(w.rect(C::picAddress2).Top, 5955);
  expectVisible(w.model(), false, true);
}

TEST(ViewModesTest, BothShowsEverythingAndPlacesTheSplitter180AboveTheBottomBrowser) {
  for (Handler leave : {&Layout::OptionTop_Click, &Layout::OptionBottom_Click}) {
    Window w(true);
    (w.layout.*leave)();
    w.layout.OptionBoth_Click();
    EXPECT_EQ(w.layout.viewMode(), ViewMode::Both);
    expectVisible(w.model(), true, true);
    EXPECT_EQ(w.rect(C::brwWebBrowser1), (ControlRect{2220, 1015, 7610, 2327.5f}));
    EXPECT_EQ(w.rect(C::brwWebBrowser2), (ControlRect{2220, 3527.5f, 7610, 2327.5f}));
    EXPECT_EQ(w.rect(C::browserSplit), (ControlRect{2220, 3347.5f, 7610, 180}));
    EXPECT_EQ(w.rect(C::tvw), (ControlRect{30, 1585, 2130, 4305}));
  }
}

TEST(ViewModesTest, TinyWindowSkipsTheRejectedHeightOnAClickButEndsTheModeInAPass) {
  Window clicked(true), resized(true);
  clicked.metrics.resize(9840, 1000);
  clicked.layout.OptionTop_Click();
  EXPECT_EQ(clicked.rect(C::brwWebBrowser1).Height, 2327.5f);
  EXPECT_EQ(clicked.rect(C::tvw), (ControlRect{30, 1585, 2130, 2327.5f - 570}));
  clicked.layout.OptionBottom_Click();
  EXPECT_EQ(clicked.rect(C::brwWebBrowser2), (ControlRect{2220, 320, 7610, 2327.5f}));
  EXPECT_EQ(clicked.rect(C::tvw), (ControlRect{30, 890, 2130, 2327.5f - 570}));

  resized.layout.OptionTop_Click();
  resized.metrics.resize(9840, 1000);
  resized.layout.Form_Resize();
  EXPECT_EQ(resized.rect(C::brwWebBrowser1).Height, 2327.5f);  // from the two-pane steps
  EXPECT_EQ(resized.rect(C::tvw), (ControlRect{30, 1585, 2130, 5720 - 570}));
}

// The arrangement, one pane taking both columns and the splitters' moves are driven end to end;
// here the twips, and the limits a drag keeps to.
TEST(SideBySideTest, TheTopPaneGoesLeftAndTheBottomPaneRightEachWithItsRowsAbove) {
  Window rig(false);
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
  Window rig(true), never(true);
  rig.layout.SetSideBySide(true);
  rig.layout.Form_Resize();
  // The favorites column stands beside both, as tall as the pages.
  EXPECT_EQ(rig.rect(C::brwWebBrowser1).Left, 2160.0f + 60.0f);
  EXPECT_EQ(rig.bottom(C::tvw), rig.bottom(C::brwWebBrowser1));
  rig.layout.browserSplit_MouseDown(0, 0);
  rig.layout.browserSplit_MouseMove(-400, 0);
  rig.layout.browserSplit_MouseUp(0, 0);
  rig.layout.SetSideBySide(false);
  for (Window* w : {&rig, &never}) w->layout.OptionBoth_Click();
  expectSameRects(rig.model(), never.model());
}

}  // namespace
}  // namespace corvane
