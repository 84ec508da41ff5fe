#include "layout/LayoutModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "ControlRectPrinter.h"

namespace corvane {
namespace {

using C = ControlId;

TEST(LayoutModelTest, StartsAsDesigned) {
  const LayoutModel model;
  EXPECT_EQ(model.rect(C::picSplit), (ControlRect{2160, 1920, 255, 3135}));
  EXPECT_EQ(model.rect(C::brwWebBrowser2), (ControlRect{0, 3360, 9795, 2400}));
  EXPECT_EQ(model.rect(C::cboAddress2), (ControlRect{960, 0, 8844, 360}));
  EXPECT_EQ(model.rect(C::tbToolBar2), (ControlRect{0, 6360, 4065, 510}));
  EXPECT_EQ(model.rect(C::tvw), (ControlRect{0, 0, 0, 0}));
  EXPECT_EQ(model.viewMode(), ViewMode::Both);
  EXPECT_TRUE(model.menuChecked(ViewMode::Both));
  EXPECT_FALSE(model.menuChecked(ViewMode::Top));
  EXPECT_FALSE(model.menuChecked(ViewMode::Bottom));
  EXPECT_FALSE(model.FavoritesShown());
  EXPECT_FALSE(model.FavoritesDragging());
  EXPECT_EQ(model.fields().VerticalReserve, 0);

  // Only the favorites column starts hidden; its buttons are seen with their frame.
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ControlId id = controlAt(i);
    const bool favoritesColumn = id == C::frmFav || id == C::tvw || id == C::picSplit;
    EXPECT_EQ(model.visible(id), !favoritesColumn) << controlName(id);
  }
}

TEST(LayoutModelTest, RejectedValuesLeaveTheControlAsItWas) {
  LayoutModel model;
  EXPECT_TRUE(model.setLeft(C::brwWebBrowser1, -250.5f));
  EXPECT_TRUE(model.setTop(C::brwWebBrowser1, -900.0f));
  EXPECT_FALSE(model.setWidth(C::brwWebBrowser1, -1.0f));
  EXPECT_FALSE(model.setHeight(C::brwWebBrowser1, -0.5f));
  EXPECT_FALSE(model.setTop(C::brwWebBrowser1, std::nanf("")));
  EXPECT_FALSE(model.setLeft(C::brwWebBrowser1, 1.0e10f));
  EXPECT_EQ(model.rect(C::brwWebBrowser1), (ControlRect{-250.5f, -900, 9795, 2400}));

  // A whole rectangle is placed completely or not at all.
  EXPECT_FALSE(model.setRect(C::tvw, {30, 1585, 2130, -10}));
  EXPECT_EQ(model.rect(C::tvw), (ControlRect{0, 0, 0, 0}));
  EXPECT_TRUE(model.setRect(C::tvw, {-30, 1585, 2130, 0}));
  EXPECT_EQ(model.rect(C::tvw), (ControlRect{-30, 1585, 2130, 0}));
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
  EXPECT_EQ(names.size(), kControlCount);
  EXPECT_STREQ(controlName(C::brwWebBrowser2), "brwWebBrowser2");
  EXPECT_EQ(containerOf(C::lblAddress1), C::picAddress1);
  EXPECT_EQ(containerOf(C::cmdOrganizeFav), C::frmFav);
  EXPECT_EQ(containerOf(C::ProgressBar2), C::picAddress2);
  EXPECT_FALSE(containerOf(C::cboAddress1).has_value());
  EXPECT_FALSE(containerOf(C::ProgressBar1).has_value());
}

}  // namespace
}  // namespace corvane
