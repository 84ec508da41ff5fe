#include "layout/ViewModes.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ControlRectPrinter.h"
#include "FakeWindowMetrics.h"
#include "layout/Layout.h"

namespace corvane {
namespace {

using C = ControlId;

const std::vector<ControlId> kTopPane = {C::picAddress1, C::brwWebBrowser1, C::cboAddress1,
                                         C::tbToolBar1,  C::Label1,         C::lblAddress1,
                                         C::ProgressBar1};
const std::vector<ControlId> kBottomPane = {C::picAddress2, C::brwWebBrowser2, C::cboAddress2,
                                            C::tbToolBar2,  C::Label2,         C::lblAddress2,
                                            C::ProgressBar2};

// The worked-example window after its first pass, favorites shown, view mode Both.
struct ShownWindow {
  ShownWindow() {
    layout.InitLayout();
    layout.model().setFavoritesShown(true);
    for (ControlId id : {C::tvw, C::picSplit, C::frmFav}) layout.model().setVisible(id, true);
    layout.Form_Resize();
  }
  const LayoutModel& model() const { return layout.model(); }
  const ControlRect& rect(ControlId id) const { return layout.model().rect(id); }
  bool checked(ViewMode mode) const { return layout.model().menuChecked(mode); }

  FakeWindowMetrics metrics;
  Layout layout{metrics};
};

void expectPaneVisible(const LayoutModel& model, const std::vector<ControlId>& pane, bool shown) {
  for (ControlId id : pane) EXPECT_EQ(model.visible(id), shown) << controlName(id);
}

void expectFavoritesColumnVisible(const LayoutModel& model) {
  for (ControlId id : {C::tvw, C::picSplit, C::frmFav}) {
    EXPECT_TRUE(model.visible(id)) << controlName(id);
  }
}

void expectSameLayout(const LayoutModel& a, const LayoutModel& b) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlId id = controlAt(i);
    EXPECT_EQ(a.rect(id), b.rect(id)) << controlName(id);
    EXPECT_EQ(a.visible(id), b.visible(id)) << controlName(id);
  }
  EXPECT_EQ(a.viewMode(), b.viewMode());
  for (ViewMode mode : {ViewMode::Both, ViewMode::Top, ViewMode::Bottom}) {
    EXPECT_EQ(a.menuChecked(mode), b.menuChecked(mode));
  }
}

TEST(ViewModesTest, TopStretchesTheTopBrowserAndAlignsTheFavorites) {
  ShownWindow w;
  w.layout.OptionTop_Click();
  EXPECT_EQ(w.model().viewMode(), ViewMode::Top);
  EXPECT_EQ(w.rect(C::brwWebBrowser1), (ControlRect{2220, 1015, 7610, 6855 - 1135}));
  EXPECT_EQ(w.rect(C::frmFav).Top, 1015);
  EXPECT_EQ(w.rect(C::tvw), (ControlRect{30, 1585, 2130, 5720 - 570}));
  expectPaneVisible(w.model(), kTopPane, true);
  expectPaneVisible(w.model(), kBottomPane, false);
  EXPECT_FALSE(w.model().visible(C::browserSplit));
  expectFavoritesColumnVisible(w.model());
  for (ControlId id : {C::OptionBoth, C::OptionTop, C::OptionBottom}) {
    EXPECT_TRUE(w.model().visible(id));
  }
}

TEST(ViewModesTest, BottomMovesTheBottomBrowserUpAndAlignsTheFavorites) {
  ShownWindow w;
  w.layout.OptionBottom_Click();
  EXPECT_EQ(w.model().viewMode(), ViewMode::Bottom);
  EXPECT_EQ(w.rect(C::brwWebBrowser2), (ControlRect{2220, 320, 7610, 6855 - 1300}));
  EXPECT_EQ(w.rect(C::frmFav).Top, 320);
  EXPECT_EQ(w.rect(C::tvw), (ControlRect{30, 890, 2130, 5555 - 570}));
  // The bottom strip and toolbar stay where the pass put them.
  EXPECT_EQ(w.rect(C::picAddress2).Top, 5955);
  EXPECT_EQ(w.rect(C::tbToolBar2).Top, 6355);
  expectPaneVisible(w.model(), kTopPane, false);
  expectPaneVisible(w.model(), kBottomPane, true);
  EXPECT_FALSE(w.model().visible(C::browserSplit));
  expectFavoritesColumnVisible(w.model());
}

TEST(ViewModesTest, ResizePassReappliesASinglePaneMode) {
  ShownWindow w;
  w.layout.OptionTop_Click();
  w.metrics.resize(12000, 9000);
  w.layout.Form_Resize();
  EXPECT_EQ(w.rect(C::brwWebBrowser1), (ControlRect{2220, 1015, 12000 - 100 - 2130, 9000 - 1135}));
  EXPECT_EQ(w.rect(C::brwWebBrowser2).Height, 3400);  // laid out, though hidden
  expectPaneVisible(w.model(), kBottomPane, false);
  EXPECT_FALSE(w.model().visible(C::browserSplit));

  w.layout.OptionBottom_Click();
  w.metrics.resize(9840, 6855);
  w.layout.Form_Resize();
  EXPECT_EQ(w.rect(C::brwWebBrowser2), (ControlRect{2220, 320, 7610, 5555}));
  EXPECT_EQ(w.rect(C::brwWebBrowser1).Height, 2327.5f);
  expectPaneVisible(w.model(), kTopPane, false);
}

TEST(ViewModesTest, BothShowsEverythingAndPlacesTheSplitter180AboveTheBottomBrowser) {
  for (auto leave : {&Layout::OptionTop_Click, &Layout::OptionBottom_Click}) {
    ShownWindow w;
    (w.layout.*leave)();
    w.layout.OptionBoth_Click();
    EXPECT_EQ(w.model().viewMode(), ViewMode::Both);
    expectPaneVisible(w.model(), kTopPane, true);
    expectPaneVisible(w.model(), kBottomPane, true);
    EXPECT_TRUE(w.model().visible(C::browserSplit));
    expectFavoritesColumnVisible(w.model());
    EXPECT_EQ(w.rect(C::brwWebBrowser1), (ControlRect{2220, 1015, 7610, 2327.5f}));
    EXPECT_EQ(w.rect(C::brwWebBrowser2), (ControlRect{2220, 3527.5f, 7610, 2327.5f}));
    EXPECT_EQ(w.rect(C::browserSplit), (ControlRect{2220, 3347.5f, 7610, 180}));
    EXPECT_EQ(w.rect(C::frmFav).Top, 1015);
    EXPECT_EQ(w.rect(C::tvw), (ControlRect{30, 1585, 2130, 4305}));
  }
}

TEST(ViewModesTest, MenuCheckMarks) {
  ShownWindow w;
  w.layout.mnuOptionsTopBrowser_Click();
  EXPECT_TRUE(w.checked(ViewMode::Top));
  EXPECT_FALSE(w.checked(ViewMode::Both));
  EXPECT_FALSE(w.checked(ViewMode::Bottom));
  EXPECT_EQ(w.model().viewMode(), ViewMode::Top);

  // The same item again: unchecked, and the top pane is shown again.
  w.layout.mnuOptionsTopBrowser_Click();
  EXPECT_FALSE(w.checked(ViewMode::Top));
  EXPECT_FALSE(w.checked(ViewMode::Both));
  EXPECT_FALSE(w.checked(ViewMode::Bottom));
  EXPECT_EQ(w.model().viewMode(), ViewMode::Top);
  expectPaneVisible(w.model(), kTopPane, true);

  w.layout.mnuOptionsTopBrowser_Click();
  w.layout.OptionBottom_Click();  // a click leaves the check marks alone
  EXPECT_TRUE(w.checked(ViewMode::Top));
  EXPECT_EQ(w.model().viewMode(), ViewMode::Bottom);
  expectPaneVisible(w.model(), kBottomPane, true);

  w.layout.mnuOptionsBottomBrowser_Click();
  EXPECT_TRUE(w.checked(ViewMode::Bottom));
  EXPECT_FALSE(w.checked(ViewMode::Top));
  EXPECT_EQ(w.model().viewMode(), ViewMode::Bottom);

  w.layout.mnuOptionsBothBrowsers_Click();
  EXPECT_TRUE(w.checked(ViewMode::Both));
  EXPECT_FALSE(w.checked(ViewMode::Bottom));
  EXPECT_EQ(w.model().viewMode(), ViewMode::Both);
  EXPECT_TRUE(w.model().visible(C::browserSplit));

  // Both was checked at start: choosing it first unchecks it.
  ShownWindow fresh;
  fresh.layout.mnuOptionsBothBrowsers_Click();
  EXPECT_FALSE(fresh.checked(ViewMode::Both));
  EXPECT_EQ(fresh.model().viewMode(), ViewMode::Both);
}

TEST(ViewModesTest, AClickRaisedByTheMenuSelectionLeavesTheSameState) {
  using Handler = void (Layout::*)();
  const struct {
    Handler menu;
    Handler click;
  } pairs[] = {{&Layout::mnuOptionsBothBrowsers_Click, &Layout::OptionBoth_Click},
               {&Layout::mnuOptionsTopBrowser_Click, &Layout::OptionTop_Click},
               {&Layout::mnuOptionsBottomBrowser_Click, &Layout::OptionBottom_Click}};
  for (const auto& pair : pairs) {
    ShownWindow once;
    (once.layout.*pair.menu)();
    ShownWindow twice;
    (twice.layout.*pair.menu)();
    (twice.layout.*pair.click)();
    expectSameLayout(once.model(), twice.model());
  }
}

TEST(ViewModesTest, TinyWindowSkipsTheRejectedHeightOnAClickButEndsAPass) {
  // A click: the negative height is skipped and the favorites still align with the browser.
  ShownWindow clicked;
  clicked.metrics.resize(9840, 1000);
  clicked.layout.OptionTop_Click();
  EXPECT_EQ(clicked.rect(C::brwWebBrowser1).Height, 2327.5f);
  EXPECT_EQ(clicked.rect(C::tvw), (ControlRect{30, 1585, 2130, 2327.5f - 570}));
  EXPECT_FALSE(clicked.model().visible(C::brwWebBrowser2));

  clicked.layout.OptionBottom_Click();
  EXPECT_EQ(clicked.rect(C::brwWebBrowser2).Top, 320);
  EXPECT_EQ(clicked.rect(C::brwWebBrowser2).Height, 2327.5f);
  EXPECT_EQ(clicked.rect(C::tvw), (ControlRect{30, 890, 2130, 2327.5f - 570}));

  // In a pass the same rejection ends the mode's operation: the tree stays as it was.
  ShownWindow resized;
  resized.layout.OptionTop_Click();
  resized.metrics.resize(9840, 1000);
  resized.layout.Form_Resize();
  EXPECT_EQ(resized.rect(C::brwWebBrowser1).Height, 2327.5f);  // from the two-pane steps
  EXPECT_EQ(resized.rect(C::tvw), (ControlRect{30, 1585, 2130, 5720 - 570}));
  EXPECT_FALSE(resized.model().visible(C::browserSplit));
}

}  // namespace
}  // namespace corvane
