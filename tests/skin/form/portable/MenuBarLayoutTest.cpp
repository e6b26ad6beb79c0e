#include "skin/form/portable/MenuBarLayout.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

std::vector<TSize> DefaultItems(TRect Area, std::initializer_list<int32_t> CaptionWidths) {
  std::vector<TSize> sizes;
  for (int32_t w : CaptionWidths) sizes.push_back({DefaultMenuItemWidth(w), Area.Height()});
  return sizes;
}

TEST(MenuBarLayout, WithoutASkinItemsStartTwoPixelsInEachTwelveWiderThanItsCaption) {
  // A bar 300 wide and 22 high, items of 400 pixels in all.
  const TRect area = MenuBarItemsArea(false, {}, {}, 300, 22);
  EXPECT_EQ(area, Rect(2, 2, 298, 20));
  const std::vector<TspMenuItemPlace> places =
      PlaceMenuItems(area.TopLeft(), DefaultItems(area, {40, 60, 100, 80, 72}), MenuBarItemsLimit(area, true));
  ASSERT_EQ(places.size(), 5u);
  EXPECT_EQ(places[0], (TspMenuItemPlace{Rect(2, 2, 54, 20), true}));
  EXPECT_EQ(places[1], (TspMenuItemPlace{Rect(54, 2, 126, 20), true}));
  EXPECT_EQ(places[2], (TspMenuItemPlace{Rect(126, 2, 238, 20), true}));
  // 330 passes the chevron's left edge (293); so does every item after it.
  EXPECT_EQ(places[3], (TspMenuItemPlace{Rect(238, 2, 330, 20), false}));
  EXPECT_FALSE(places[4].Fits);
  EXPECT_EQ(MenuBarChevronRect(area), Rect(293, 2, 298, 20));
}

TEST(MenuBarLayout, AnItemEndingOnTheLimitFitsAndWithoutScrollMenuTheChevronsRoomIsTheItems) {
  const TRect area = MenuBarItemsArea(false, {}, {}, 300, 22);
  const std::vector<TSize> sizes{{291, 18}};
  EXPECT_TRUE(PlaceMenuItems(area.TopLeft(), sizes, MenuBarItemsLimit(area, true))[0].Fits);  // right = 293
  const std::vector<TSize> wider{{292, 18}};
  EXPECT_FALSE(PlaceMenuItems(area.TopLeft(), wider, MenuBarItemsLimit(area, true))[0].Fits);
  EXPECT_TRUE(PlaceMenuItems(area.TopLeft(), wider, MenuBarItemsLimit(area, false))[0].Fits);
}

TEST(MenuBarLayout, ASkinnedBarKeepsItsItemsRectanglesRightMarginAndItemsTheirLooksWidth) {
  // The flat test skin's bar: a 60-pixel look with its items between x = 2 and 58.
  EXPECT_EQ(MenuBarItemsArea(true, Rect(0, 100, 60, 122), Rect(2, 1, 58, 21), 300, 22), Rect(2, 1, 298, 21));
  // A 30-pixel look with its text between 8 and 22: 16 pixels of look, 2 of room.
  EXPECT_EQ(SkinMenuItemWidth(Rect(0, 0, 30, 20), Rect(8, 0, 22, 20), 40), 58);
  EXPECT_EQ(DefaultMenuItemWidth(40), 52);
}

TEST(MenuBarLayout, SkinSizesBeyondThirtyTwoBitsSaturate) {
  constexpr int32_t big = std::numeric_limits<int32_t>::max();
  EXPECT_EQ(SkinMenuItemWidth(Rect(-big, 0, big, 20), Rect(0, 0, 1, 1), big), big);
  const std::vector<TSize> sizes{{big, 18}, {big, 18}};
  const std::vector<TspMenuItemPlace> places = PlaceMenuItems({big - 10, 2}, sizes, big);
  EXPECT_EQ(places[0].Rect.Right, big);
  EXPECT_FALSE(places[0].Fits);
  EXPECT_FALSE(places[1].Fits);
  EXPECT_EQ(MenuBarItemsArea(true, Rect(0, 0, 60, 22), Rect(0, 0, big, 20), big, 22).Right, big);
}

TEST(MenuBarLayout, MDIButtonsTakeTheAreasEndsAndLeaveTheItemsTheMiddle) {
  TRect area{2, 2, 298, 20};
  const std::vector<TspMenuBarButtonSize> plain(4);
  const std::vector<TRect> places = PlaceMenuBarButtons(area, plain);
  // Squares as tall as the area: the system menu left, then close, maximize, minimize
  // from the right, 2 pixels apart.
  EXPECT_EQ(places, (std::vector<TRect>{Rect(2, 2, 20, 20), Rect(280, 2, 298, 20), Rect(260, 2, 278, 20),
                                        Rect(240, 2, 258, 20)}));
  EXPECT_EQ(area, Rect(22, 2, 238, 20));

  TRect skinned{2, 1, 298, 21};
  const TspMenuBarButtonSize look{true, {16, 16}};
  const std::vector<TspMenuBarButtonSize> looks(4, look);
  const std::vector<TRect> centred = PlaceMenuBarButtons(skinned, looks);
  EXPECT_EQ(centred[0], Rect(2, 3, 18, 19));
  EXPECT_EQ(centred[3], Rect(246, 3, 262, 19));
  EXPECT_EQ(skinned, Rect(20, 1, 244, 21));

  TRect untouched{2, 2, 298, 20};
  EXPECT_TRUE(PlaceMenuBarButtons(untouched, std::vector<TspMenuBarButtonSize>(2)).empty());
  EXPECT_EQ(untouched, Rect(2, 2, 298, 20));
}

}  // namespace
