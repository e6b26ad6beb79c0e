#include "FrameTestSkin.h"

#include <gtest/gtest.h>

namespace {

const TSize Wider{300, 150};  // 100 wider and 50 higher than the frame picture

TEST(FrameGeometry, TheSkinFrameStretchesToTheWindowSize) {
  TspSkinFormInfo info = FrameTestInfo();
  info.ButtonsRect = Rect(101, 4, 190, 20);
  info.MainMenuRect = Rect(5, 85, 100, 95);  // in the lower left corner area
  TspFrameGeometry g = SkinFrameGeometry(info, FrameTestPicture, Wider.cx, Wider.cy);
  EXPECT_EQ(g.RBPoint, Point(280, 130));
  EXPECT_EQ(g.ClRect, Rect(5, 30, 295, 145));
  EXPECT_EQ(g.CaptionRect, Rect(10, 4, 290, 26));
  EXPECT_EQ(g.ButtonsRect, Rect(201, 4, 290, 20));
  EXPECT_EQ(g.MainMenuRect, Rect(5, 135, 200, 145));
  // Buttons starting exactly at the picture's middle stay, and so does the bar of a
  // frame that does not stretch.
  info.ButtonsRect = Rect(100, 4, 190, 20);
  info.RBPoint = info.LTPoint;
  g = SkinFrameGeometry(info, FrameTestPicture, Wider.cx, Wider.cy);
  EXPECT_EQ(g.ButtonsRect, info.ButtonsRect);
  EXPECT_EQ(g.MainMenuRect, info.MainMenuRect);
}

TEST(FrameGeometry, SkinRectanglesAnchorToTheirCornersAndStretchAcrossThem) {
  const TSkinCut cut = FrameCut(FrameTestInfo());
  const struct {
    TRect Skin, Anchored;
  } cases[] = {
      {Rect(2, 2, 10, 10), Rect(2, 2, 10, 10)},            // left-top
      {Rect(185, 2, 195, 20), Rect(285, 2, 295, 20)},      // right-top
      {Rect(2, 85, 10, 95), Rect(2, 135, 10, 145)},        // left-bottom
      {Rect(185, 85, 195, 95), Rect(285, 135, 295, 145)},  // right-bottom
      {Rect(10, 5, 190, 25), Rect(10, 5, 290, 25)},        // left-top to right-top
      {Rect(5, 5, 190, 90), Rect(5, 5, 290, 140)},         // left-top to right-bottom
      {Rect(10, 85, 190, 95), Rect(10, 135, 290, 145)},    // left-bottom to right-bottom
      {Rect(2, 5, 10, 90), Rect(2, 5, 10, 140)},           // left-top to left-bottom
      {Rect(185, 5, 195, 90), Rect(285, 5, 295, 140)},     // right-top to right-bottom
      {Rect(50, 40, 60, 50), Rect(50, 40, 60, 50)},        // in the middle
      {Rect(185, 2, 200, 20), Rect(185, 2, 200, 20)},      // ends on the edge: in no area
  };
  for (const auto& c : cases) EXPECT_EQ(AnchorSkinRect(c.Skin, cut, FrameTestPicture, Wider), c.Anchored);
}

TEST(FrameGeometry, DefaultCaptionButtonsRunLeftwardsFromTheRightBorder) {
  TspDefaultFrameLayout l =
      DefaultFrameLayout(300, bsSizeable, {cmclose, cmmaximize, cmminimize, cmrollup, cmsysmenu}, false, {16, 16});
  EXPECT_EQ(l.ButtonRects[cmclose], Rect(280, 4, 297, 21));
  EXPECT_EQ(l.ButtonRects[cmrollup], Rect(229, 4, 246, 21));
  EXPECT_EQ(l.ButtonRects[cmminimizetotray], NullRect());
  EXPECT_EQ(l.CaptionRect, Rect(20, 3, 229, 19));
  // A tool window's buttons are 13 pixels and its caption 15; the icon takes its own size.
  l = DefaultFrameLayout(200, bsToolWindow, {cmclose, cmminimizetotray, cmsysmenu}, true, {16, 14});
  EXPECT_EQ(l.ButtonRects[cmminimizetotray], Rect(171, 4, 184, 17));
  EXPECT_EQ(l.ButtonRects[cmsysmenu], Rect(3, 4, 19, 18));
  EXPECT_EQ(l.CaptionRect, Rect(19, 3, 171, 15));
}

}  // namespace
