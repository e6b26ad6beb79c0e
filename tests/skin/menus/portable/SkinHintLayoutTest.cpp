// A skinned hint's size and place: the skin's frame around the text, the growth that keeps
// a small text's corner points apart, the titled form's content, the screen's edges.
#include "skin/menus/portable/SkinHintLayout.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// The flat-colour skin's hint picture: 30 x 24, text area (5, 4, 25, 20).
constexpr TspHintSkinCut Cut{{30, 24}, {5, 4, 25, 20}, {6, 6}, {24, 6}, {6, 18}, {24, 18}};

TEST(HintFrame, PutsTheSkinsBordersAroundTheText) {
  EXPECT_EQ(HintFrame({50, 13}, nullptr, PlainHintMargin).Size, (TSize{54, 17}));
  EXPECT_EQ(HintFrame({50, 13}, nullptr, TitledHintMargin).Size, (TSize{54, 17}));

  // 5 + 5 of the picture's left and right borders and the margin; 4 + 4 in height.
  const TspHintFrame plain = HintFrame({50, 30}, &Cut, PlainHintMargin);
  EXPECT_EQ(plain.Size, (TSize{50 + 5 + 5 + 5, 30 + 4 + 4}));
  EXPECT_EQ(HintFrame({50, 30}, &Cut, TitledHintMargin).Size.cx, 50 + 5 + 5 + 10);
  // The right and bottom parts of the cut keep their distance to the far edges.
  const int dW = 65 - 30, dH = 38 - 24;
  EXPECT_EQ(plain.NewClRect, (TRect{5, 4, 25 + dW, 20 + dH}));
  EXPECT_EQ(plain.NewLT, Cut.LT);
  EXPECT_EQ(plain.NewRT, (TPoint{24 + dW, 6}));
  EXPECT_EQ(plain.NewLB, (TPoint{6, 18 + dH}));
  EXPECT_EQ(plain.NewRB, (TPoint{24 + dW, 18 + dH}));
}

TEST(HintFrame, GrowsWhereCornerPointsWouldCross) {
  // A text area wider and higher than the span of the corner points: a small text would
  // move the right points before the left ones and the bottom ones above the top ones.
  // The window grows until they meet.
  constexpr TspHintSkinCut Tight{{30, 24}, {2, 2, 28, 22}, {10, 10}, {20, 10}, {10, 14}, {20, 14}};
  const TspHintFrame small = HintFrame({2, 2}, &Tight, PlainHintMargin);
  EXPECT_EQ(small.Size, (TSize{30 - (20 - 10), 24 - (14 - 10)}));
  EXPECT_EQ(small.NewRT.X, Tight.LT.X);
  EXPECT_EQ(small.NewLB.Y, Tight.LT.Y);
  // A text large enough keeps its size.
  EXPECT_EQ(HintFrame({20, 20}, &Tight, PlainHintMargin).Size, (TSize{20 + 2 + 2 + 5, 20 + 2 + 2}));

  // The second pair of points is checked after the first pair's growth: here it crosses
  // still, by 2 pixels each way.
  TspHintSkinCut skewed = Tight;
  skewed.RB = {18, 12};
  const TspHintFrame grown = HintFrame({2, 2}, &skewed, PlainHintMargin);
  EXPECT_EQ(grown.Size, (TSize{20 + 2, 20 + 2}));
  EXPECT_EQ(grown.NewRB, (TPoint{skewed.LB.X, skewed.RT.Y}));
}

TEST(HintFrame, SaturatesUntrustedSizes) {
  constexpr int32_t Max = std::numeric_limits<int32_t>::max();
  TspHintSkinCut huge = Cut;
  huge.Picture = {Max, Max};
  huge.ClRect = {-Max, -Max, 0, 0};
  const TspHintFrame frame = HintFrame({Max, Max}, &huge, PlainHintMargin);
  EXPECT_EQ(frame.Size, (TSize{Max, Max}));
}

TEST(TitledHintContent, StacksTitleTextAndImage) {
  EXPECT_EQ(TitledHintContent({80, 13}, {}, std::nullopt), (TSize{80, 13}));
  EXPECT_EQ(TitledHintContent({80, 13}, {100, 14}, std::nullopt), (TSize{100, 13 + 14 + 10}));
  EXPECT_EQ(TitledHintContent({80, 13}, {60, 14}, std::nullopt).cx, 80);
  // The image beside: 10 pixels more than its width, at least its height 5 below the title.
  EXPECT_EQ(TitledHintContent({80, 13}, {60, 14}, TSize{16, 16}), (TSize{80 + 16 + 10, 13 + 14 + 10}));
  EXPECT_EQ(TitledHintContent({80, 13}, {60, 14}, TSize{32, 32}), (TSize{80 + 32 + 10, 32 + 14 + 5}));
  EXPECT_EQ(TitledHintContent({80, 13}, {}, TSize{32, 32}), (TSize{80 + 32 + 10, 32 + 5}));
}

TEST(HintPosition, StaysOnTheScreen) {
  constexpr TSize Screen{800, 600};
  EXPECT_EQ(HintPosition({100, 100}, {60, 20}, Screen), (TPoint{100, 100}));
  EXPECT_EQ(HintPosition({740, 100}, {60, 20}, Screen), (TPoint{740, 100}));  // ends at the edge
  EXPECT_EQ(HintPosition({741, 100}, {60, 20}, Screen), (TPoint{741 - 62, 100}));
  EXPECT_EQ(HintPosition({100, 590}, {60, 20}, Screen), (TPoint{100, 590 - 22}));
  EXPECT_EQ(HintPosition({790, 590}, {60, 20}, Screen), (TPoint{790 - 62, 590 - 22}));
}

}  // namespace
