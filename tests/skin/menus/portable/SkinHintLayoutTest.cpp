// A skinned hint's size and place: the skin's frame around the text, the growth that keeps
// a small text's corner points apart, the titled form's content, the screen's edges.
#include "skin/menus/portable/SkinHintLayout.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(HintFrame, PutsTheSkinsBordersAroundTheText) {
  // The flat-colour skin's hint picture: 30 x 24, text area (5, 4, 25, 20).
  constexpr TspHintSkinCut Cut{{30, 24}, {5, 4, 25, 20}, {6, 6}, {24, 6}, {6, 18}, {24, 18}};
  EXPECT_EQ(HintFrame({50, 13}, nullptr, TitledHintMargin).Size, (TSize{54, 17}));
  const TspHintFrame plain = HintFrame({50, 30}, &Cut, PlainHintMargin);
  EXPECT_EQ(plain.Size, (TSize{50 + 5 + 5 + 5, 30 + 4 + 4}));
  EXPECT_EQ(HintFrame({50, 30}, &Cut, TitledHintMargin).Size.cx, 50 + 5 + 5 + 10);
  // The right and bottom parts of the cut keep their distance to the far edges.
  EXPECT_EQ(plain.NewClRect, (TRect{5, 4, 25 + 35, 20 + 14}));
  EXPECT_EQ(plain.NewRB, (TPoint{24 + 35, 18 + 14}));
  EXPECT_EQ(plain.NewRT, (TPoint{24 + 35, 6}));
  EXPECT_EQ(plain.NewLB, (TPoint{6, 18 + 14}));
  constexpr int32_t Max = std::numeric_limits<int32_t>::max();  // untrusted sizes saturate
  EXPECT_EQ(HintFrame({Max, Max}, &Cut, PlainHintMargin).Size, (TSize{Max, Max}));
}

TEST(HintFrame, GrowsWhereCornerPointsWouldCross) {
  // A text area wider and higher than the span of the corner points: a small text would
  // move the right points before the left ones and the bottom ones above the top ones.
  constexpr TspHintSkinCut Tight{{30, 24}, {2, 2, 28, 22}, {10, 10}, {20, 10}, {10, 14}, {20, 14}};
  const TspHintFrame small = HintFrame({2, 2}, &Tight, PlainHintMargin);
  EXPECT_EQ(small.Size, (TSize{30 - (20 - 10), 24 - (14 - 10)}));
  EXPECT_EQ(std::pair(small.NewRT.X, small.NewLB.Y), std::pair(Tight.LT.X, Tight.LT.Y));
  EXPECT_EQ(HintFrame({20, 20}, &Tight, PlainHintMargin).Size, (TSize{20 + 2 + 2 + 5, 20 + 2 + 2}));
  // The second pair is checked after the first pair's growth: here it still crosses.
  TspHintSkinCut skewed = Tight;
  skewed.RB = {18, 12};
  const TspHintFrame grown = HintFrame({2, 2}, &skewed, PlainHintMargin);
  EXPECT_EQ(grown.Size, (TSize{20 + 2, 20 + 2}));
  EXPECT_EQ(grown.NewRB, (TPoint{skewed.LB.X, skewed.RT.Y}));
}

TEST(HintFrame, StacksTheTitledContentAndStaysOnTheScreen) {
  EXPECT_EQ(TitledHintContent({80, 13}, {100, 14}, std::nullopt), (TSize{100, 13 + 14 + 10}));
  EXPECT_EQ(TitledHintContent({80, 13}, {60, 14}, TSize{16, 16}), (TSize{80 + 16 + 10, 13 + 14 + 10}));
  EXPECT_EQ(TitledHintContent({80, 13}, {60, 14}, TSize{32, 32}), (TSize{80 + 32 + 10, 32 + 14 + 5}));
  EXPECT_EQ(TitledHintContent({80, 13}, {}, TSize{32, 32}), (TSize{80 + 32 + 10, 32 + 5}));
  constexpr TSize Screen{800, 600};
  EXPECT_EQ(HintPosition({740, 580}, {60, 20}, Screen), (TPoint{740, 580}));  // ends at the edges
  EXPECT_EQ(HintPosition({741, 590}, {60, 20}, Screen), (TPoint{741 - 62, 590 - 22}));
}

}  // namespace
