#include "skin/data/SkinRects.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int32_t Min = std::numeric_limits<int32_t>::min();
constexpr int32_t Max = std::numeric_limits<int32_t>::max();

TEST(SkinRects, WidthAndHeightSaturateInsteadOfOverflowing) {
  struct Case {
    TRect R;
    int32_t Width, Height;
  } cases[] = {
      {{10, 20, 40, 25}, 30, 5},
      {{5, 9, 2, 0}, -3, -9},
      {{Min, Min, Max, Max}, Max, Max},
      {{Max, Max, Min, Min}, Min, Min},
      {{-1, 0, Max, 0}, Max, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RectWidth(c.R), c.Width) << c.R.Left << "," << c.R.Right;
    EXPECT_EQ(RectHeight(c.R), c.Height) << c.R.Top << "," << c.R.Bottom;
  }
}

TEST(SkinRects, NullRectanglesAreEmptyOrInverted) {
  EXPECT_EQ(NullRect(), (TRect{0, 0, 0, 0}));
  EXPECT_TRUE(IsNullRect(NullRect()));
  EXPECT_TRUE(IsNullRect({5, 5, 5, 10}));
  EXPECT_TRUE(IsNullRect({10, 0, 5, 5}));
  EXPECT_TRUE(IsNullRect({0, 5, 5, 4}));
  EXPECT_TRUE(IsNullRect({Max, 0, Min, 5}));
  EXPECT_FALSE(IsNullRect({0, 0, 1, 1}));
  EXPECT_FALSE(IsNullRect({Min, 0, Max, 1}));
}

TEST(SkinRects, APointIsNullWhenEitherCoordinateIsZero) {
  EXPECT_TRUE(IsNullPoint({0, 0}));
  EXPECT_TRUE(IsNullPoint({0, 5}));
  EXPECT_TRUE(IsNullPoint({5, 0}));
  EXPECT_FALSE(IsNullPoint({1, 1}));
  EXPECT_FALSE(IsNullPoint({-1, 2}));
}

TEST(SkinRects, RectsEqualComparesAllFourCoordinates) {
  EXPECT_TRUE(RectsEqual({1, 2, 3, 4}, {1, 2, 3, 4}));
  EXPECT_FALSE(RectsEqual({1, 2, 3, 4}, {1, 2, 3, 5}));
  EXPECT_FALSE(RectsEqual({1, 2, 3, 4}, {0, 2, 3, 4}));
}

TEST(SkinRects, PointInRectIncludesTheRightAndBottomEdges) {
  const TRect r{0, 0, 10, 10};
  EXPECT_TRUE(PointInRect(r, {0, 0}));
  EXPECT_TRUE(PointInRect(r, {10, 10}));
  EXPECT_TRUE(PointInRect(r, {10, 0}));
  EXPECT_FALSE(PointInRect(r, {11, 5}));
  EXPECT_FALSE(PointInRect(r, {5, -1}));
}

TEST(SkinRects, RectInRectExcludesTheRightAndBottomEdgesOfTheOuterRectangle) {
  const TRect outer{0, 0, 10, 10};
  EXPECT_FALSE(RectInRect(outer, outer));
  EXPECT_TRUE(RectInRect({0, 0, 9, 9}, outer));
  EXPECT_TRUE(RectInRect({1, 1, 5, 5}, outer));
  EXPECT_FALSE(RectInRect({0, 0, 10, 9}, outer));
  EXPECT_FALSE(RectInRect({-1, 0, 5, 5}, outer));
  EXPECT_TRUE(RectInRect({5, 5, 1, 1}, outer));  // only the corners count
}

}  // namespace
