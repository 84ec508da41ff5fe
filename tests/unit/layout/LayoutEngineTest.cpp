#include "layout/LayoutEngine.h"

#include <gtest/gtest.h>

#include "ControlRectPrinter.h"
#include "FakeWindowMetrics.h"
#include "layout/Layout.h"

namespace corvane {
namespace {

using C = ControlId;

// A loaded window: InitLayout has run with the designed toolbar and label heights.
struct LoadedWindow {
  explicit LoadedWindow(bool favoritesShown) {
    layout.InitLayout();
    layout.model().setFavoritesShown(favoritesShown);
  }
  const ControlRect& rect(ControlId id) const { return layout.model().rect(id); }

  FakeWindowMetrics metrics;
  Layout layout{metrics};
};

TEST(LayoutEngineTest, InitLayoutDerivesTheReservesAndSetsUpTheBars) {
  LoadedWindow w(false);
  const LayoutFields& f = w.layout.model().fields();
  EXPECT_EQ(f.SplitterThickness, 60);
  EXPECT_EQ(f.TopReserve, 1015);
  EXPECT_EQ(f.BottomReserve, 965);
  EXPECT_EQ(f.VerticalReserve, 1980);
  EXPECT_EQ(w.rect(C::picSplit), (ControlRect{2160, 1015, 60, 3135}));
  EXPECT_EQ(w.rect(C::browserSplit), (ControlRect{0, 4130, 19200, 180}));
  EXPECT_TRUE(w.layout.model().visible(C::browserSplit));
  EXPECT_EQ(w.layout.model().backColour(C::browserSplit), BarColour::Window);

  // The reserves follow the toolbars' and labels' heights as they are when the window loads.
  FakeWindowMetrics metrics;
  Layout taller(metrics);
  taller.model().setHeight(C::tbToolBar1, 600.5f);  // 1105.5 rounds to the even 1106
  taller.model().setHeight(C::lblAddress2, 300);
  taller.InitLayout();
  EXPECT_EQ(taller.model().fields().TopReserve, 1106);
  EXPECT_EQ(taller.model().fields().BottomReserve, 1010);
  EXPECT_EQ(taller.model().fields().VerticalReserve, 2116);
}

TEST(LayoutEngineTest, WorkedExampleToTheHalfTwip) {
  LoadedWindow w(true);
  w.layout.Form_Resize();

  EXPECT_EQ(w.rect(C::frmFav), (ControlRect{0, 1015, 2030, 570}));
  EXPECT_EQ(w.rect(C::picSplit), (ControlRect{2160, 1015, 60, 4875}));
  EXPECT_EQ(w.rect(C::tvw), (ControlRect{30, 1585, 2130, 4305}));
  EXPECT_EQ(w.rect(C::brwWebBrowser1), (ControlRect{2220, 1015, 7610, 2327.5f}));
  EXPECT_EQ(w.rect(C::browserSplit), (ControlRect{2220, 3352.5f, 7610, 180}));
  EXPECT_EQ(w.rect(C::brwWebBrowser2), (ControlRect{2220, 3527.5f, 7610, 2327.5f}));
  EXPECT_EQ(w.rect(C::cboAddress1).Width, 8840);
  EXPECT_EQ(w.rect(C::cboAddress2).Width, 8840);
  EXPECT_EQ(w.rect(C::picAddress2), (ControlRect{0, 5955, 9840, 1035}));
  EXPECT_EQ(w.rect(C::tbToolBar2).Top, 6355);
  EXPECT_EQ(w.rect(C::ProgressBar1).Left, 8060);
  EXPECT_EQ(w.rect(C::ProgressBar2).Left, 8060);
  // Rules that write nothing else leave the designed values.
  EXPECT_EQ(w.rect(C::cboAddress1), (ControlRect{960, 600, 8840, 360}));
  EXPECT_EQ(w.rect(C::tbToolBar1), (ControlRect{0, 0, 4020, 510}));
}

TEST(LayoutEngineTest, ArrangeFavoritesRoundsTheBrowserAreaHalfToEven) {
  LoadedWindow w(true);
  w.metrics.resize(9840, 6854.5f);  // 4874.5 rounds down to the even 4874
  w.layout.Form_Resize();
  EXPECT_EQ(w.rect(C::picSplit).Height, 4874);
  EXPECT_EQ(w.rect(C::tvw).Height, 4304);

  // 4875.5 rounds up to the even 4876; the bar's right edge 2220.5 rounds down to 2220.
  w.metrics.resize(9840, 6855.5f);
  w.layout.model().setLeft(C::picSplit, 2160.5f);
  w.layout.Form_Resize();
  EXPECT_EQ(w.rect(C::picSplit).Height, 4876);
  EXPECT_EQ(w.rect(C::brwWebBrowser1).Left, 2220);
  EXPECT_EQ(w.rect(C::tvw).Width, 2130.5f);
}

TEST(LayoutEngineTest, ClientLowerThanTheReservesKeepsTheRejectedRectangles) {
  LoadedWindow w(true);
  w.layout.Form_Resize();
  w.metrics.resize(5000, 1500);
  w.layout.Form_Resize();

  // h = -480: the splitter's height, the tree and both browsers' rectangles keep their values...
  EXPECT_EQ(w.rect(C::picSplit), (ControlRect{2160, 1015, 60, 4875}));
  EXPECT_EQ(w.rect(C::tvw), (ControlRect{30, 1585, 2130, 4305}));
  // ...while the later rules still apply where they can.
  EXPECT_EQ(w.rect(C::brwWebBrowser1), (ControlRect{2220, 1015, 2770, 2327.5f}));
  EXPECT_EQ(w.rect(C::brwWebBrowser2), (ControlRect{2220, -1827.5f, 2770, 2327.5f}));
  EXPECT_EQ(w.rect(C::browserSplit), (ControlRect{2220, -2002.5f, 2770, 180}));
  EXPECT_EQ(w.rect(C::cboAddress1).Width, 4000);
  EXPECT_EQ(w.rect(C::picAddress2), (ControlRect{0, 600, 5000, 1035}));
  EXPECT_EQ(w.rect(C::tbToolBar2).Top, 1000);
  EXPECT_EQ(w.rect(C::ProgressBar2).Left, 3220);
}

TEST(LayoutEngineTest, MinimisedWindowMovesRowsOffTheTopAndRestores) {
  LoadedWindow w(false);
  w.layout.Form_Resize();
  const LayoutModel before = w.layout.model();

  w.metrics.resize(0, 0);
  w.layout.Form_Resize();
  EXPECT_EQ(w.rect(C::tbToolBar2).Top, -500);
  EXPECT_EQ(w.rect(C::picAddress2), (ControlRect{0, -900, 0, 1035}));
  EXPECT_EQ(w.rect(C::ProgressBar1).Left, -1780);
  EXPECT_EQ(w.rect(C::brwWebBrowser1), before.rect(C::brwWebBrowser1));
  EXPECT_EQ(w.rect(C::brwWebBrowser2), (ControlRect{30, -3327.5f, 9740, 2327.5f}));
  EXPECT_EQ(w.rect(C::browserSplit).Top, -3502.5f);
  EXPECT_EQ(w.rect(C::cboAddress1).Width, 8840);

  w.metrics.resize(9840, 6855);
  w.layout.Form_Resize();
  for (std::size_t i = 0; i < kControlCount; ++i) {
    EXPECT_EQ(w.rect(controlAt(i)), before.rect(controlAt(i))) << controlName(controlAt(i));
  }
}

TEST(LayoutEngineTest, HiddenFavoritesLeaveThePaneSplitterWhereItWas) {
  LoadedWindow w(false);
  w.layout.Form_Resize();
  // Never shown: the designed Left and the screen's width from InitLayout.
  EXPECT_EQ(w.rect(C::browserSplit), (ControlRect{0, 3352.5f, 19200, 180}));
  EXPECT_EQ(w.rect(C::brwWebBrowser1), (ControlRect{30, 1015, 9740, 2327.5f}));
  EXPECT_EQ(w.rect(C::brwWebBrowser2), (ControlRect{30, 3527.5f, 9740, 2327.5f}));
  EXPECT_EQ(w.rect(C::tvw).Width, 0);
  EXPECT_EQ(w.rect(C::tvw).Height, 0);

  w.layout.model().setFavoritesShown(true);
  w.layout.Form_Resize();
  w.layout.model().setFavoritesShown(false);
  w.metrics.resize(8000, 6855);
  w.layout.Form_Resize();
  // The Left and Width of the last pass with the favorites shown.
  EXPECT_EQ(w.rect(C::browserSplit), (ControlRect{2220, 3352.5f, 7610, 180}));
  EXPECT_EQ(w.rect(C::brwWebBrowser1), (ControlRect{30, 1015, 7900, 2327.5f}));
  EXPECT_EQ(w.rect(C::tvw), (ControlRect{30, 1585, 0, 0}));
  EXPECT_EQ(w.rect(C::frmFav).Width, 2030);
}

}  // namespace
}  // namespace corvane
