#include "skin/data/SkinRects.h"
#include "skin/form/portable/CaptionLayout.h"

#include <gtest/gtest.h>

namespace {

// Corner points of a 200 x 100 frame picture.
const TSkinCut Corners{{20, 30}, {180, 30}, {20, 80}, {180, 80}, {}};

TEST(CaptionLayout, TheFrameEdgeACaptionLiesOnDecidesHowItResizes) {
  const struct {
    TRect Skin;
    TSize Object;
    TspCaptionZone Zone;
  } cases[] = {
      {Rect(10, 4, 190, 26), {180, 22}, {0, 0, 0}},     // its own size
      {Rect(10, 4, 190, 26), {280, 22}, {1, 10, 10}},   // top edge
      {Rect(10, 85, 190, 95), {280, 10}, {2, 10, 10}},  // bottom edge
      {Rect(2, 20, 18, 90), {16, 120}, {3, 10, 10}},    // left edge
      {Rect(182, 35, 198, 75), {16, 90}, {4, 0, 0}},    // right edge, fixed ends cut to 0
  };
  for (const auto& c : cases) EXPECT_EQ(CaptionZone(c.Skin, c.Object, Corners), c.Zone);

  // Its own size: copied whole; on the top edge: two fixed ends and a middle.
  EXPECT_EQ(CaptionImagePlan({0, 0, 0}, Rect(10, 4, 190, 26), {180, 22}, Corners, false).Copies.size(), 1u);
  EXPECT_EQ(CaptionImagePlan({1, 10, 10}, Rect(10, 4, 190, 26), {280, 22}, Corners, true).Copies.size(), 3u);
}

TEST(CaptionLayout, TheTextKeepsItsDistanceToTheCaptionsEndAndSitsInItsFrame) {
  TspCaptionText c;
  c.SkinRect = Rect(0, 0, 100, 20);
  c.TextRect = Rect(10, 2, 90, 18);
  c.Alignment = taRightJustify;
  EXPECT_EQ(CaptionTextRect(c, {150, 20}), Rect(10, 2, 140, 18));
  EXPECT_EQ(CaptionTextPlace(c, {150, 20}, {50, 10}), (TspCaptionTextPlace{true, {90, 5}, false, {}}));

  c.Alignment = taCenter;
  c.FrameRect = Rect(0, 0, 40, 16);
  c.FrameTextRect = Rect(4, 2, 36, 14);
  EXPECT_EQ(CaptionTextRect(c, {150, 20}), Rect(14, 4, 136, 18));
  EXPECT_EQ(CaptionTextPlace(c, {150, 20}, {50, 10}), (TspCaptionTextPlace{true, {50, 6}, true, Rect(46, 4, 104, 20)}));
  c.FullFrame = true;
  EXPECT_EQ(CaptionTextPlace(c, {150, 20}, {50, 10}).FrameDest, Rect(0, 4, 150, 20));
  // Too narrow a caption draws nothing.
  EXPECT_FALSE(CaptionTextPlace(c, {20, 20}, {50, 10}).DrawText);

  EXPECT_EQ(CaptionAnimationFrame(Rect(0, 0, 40, 100), 5, 2, {40, 20}), Rect(0, 20, 40, 40));
  EXPECT_EQ(CaptionAnimationFrame(Rect(0, 0, 200, 20), 5, 5, {40, 20}), Rect(160, 0, 200, 20));
  EXPECT_EQ(CaptionAnimationFrame(Rect(0, 0, 200, 20), 0, 1, {40, 20}), NullRect());
}

}  // namespace
