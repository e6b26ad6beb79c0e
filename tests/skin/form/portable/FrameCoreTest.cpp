#include "FrameTestSkin.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using namespace FrameHit;

struct HitCase {
  TPoint P;
  int32_t Code;
};

class FrameCoreTest : public testing::Test {
protected:
  void Skinned(const TPixelImage* Mask = nullptr) {
    Core.SetSkin(FrameTestSkin(Info, Mask));
    Core.UpdateGeometry(300, 150);
  }
  void ExpectHits(std::initializer_list<HitCase> Cases, const TspHitObjects& Objects = {}) {
    for (const HitCase& c : Cases) {
      const int32_t code = Core.Options.SupportNCArea ? Core.NonClientHitTest(c.P, Objects)
                                                      : Core.ClientAreaHitTest(c.P, Objects);
      EXPECT_EQ(code, c.Code) << c.P.X << "," << c.P.Y;
    }
  }

  TspSkinFormInfo Info = FrameTestInfo();
  TspFrameCore Core;
};

TEST_F(FrameCoreTest, TheClientAreaLiesInsideTheSkinOrTheDefaultFrame) {
  const TRect window = Rect(100, 100, 400, 300);
  EXPECT_EQ(Core.NonClientClientRect(window), Rect(103, 122, 397, 297));
  Core.Options.MDIChild = true;
  Skinned();
  EXPECT_EQ(Core.NonClientClientRect(window), Rect(105, 130, 395, 295));
  EXPECT_EQ(Core.FrameOrigin({10, 20}, {113, 142}), Point(108, 112));
  // A skin without client rectangle gets the default sizes; a small window no inverted one.
  Info.ClRect = NullRect();
  Skinned();
  EXPECT_EQ(Core.NonClientClientRect(window), Rect(103, 122, 397, 297));
  EXPECT_EQ(Core.NonClientClientRect(Rect(0, 0, 4, 10)), Rect(3, 22, 3, 22));
  // A maximized MDI child has no frame.
  Core.State.WindowState = TspWindowState::Maximized;
  EXPECT_EQ(Core.NonClientClientRect(window), window);
}

TEST_F(FrameCoreTest, TheSizeForAClientAreaPutsTheFrameAroundIt) {
  // The default frame: 3-pixel borders and the caption.
  EXPECT_EQ(Core.SizeForClient({50, 60}, 200, 100), (TSize{206, 125}));
  Skinned();
  EXPECT_EQ(Core.SizeForClient({50, 60}, 200, 100), (TSize{210, 135}));
  const TSize size = Core.SizeForClient({50, 60}, 344, 110);
  EXPECT_EQ(Core.NonClientClientRect(Rect(20, 10, 20 + size.cx, 10 + size.cy)), Rect(25, 40, 25 + 344, 40 + 110));
  // A client dimension of 0 or less keeps the window's.
  EXPECT_EQ(Core.SizeForClient({50, 60}, 0, 100), (TSize{50, 135}));
  EXPECT_EQ(Core.SizeForClient({50, 60}, 200, -1), (TSize{210, 60}));
  // Without a frame the client area is the window.
  Core.Options.BorderStyle = bsNone;
  EXPECT_EQ(Core.SizeForClient({50, 60}, 200, 100), (TSize{200, 100}));
  Core.Options.BorderStyle = bsSizeable;
  // Never past 32 bits; a hostile skin's client rectangle far larger than its picture
  // never makes a negative size.
  EXPECT_EQ(Core.SizeForClient({50, 60}, INT32_MAX, INT32_MAX), (TSize{INT32_MAX, INT32_MAX}));
  Info.ClRect = Rect(-2000000000, 30, 195, 2000000000);
  EXPECT_EQ(Core.SizeForClient({50, 60}, 200, 100), (TSize{0, 0}));
}

TEST_F(FrameCoreTest, SkinHitTestFindsTheSizingBorderAtEdgesAndCorners) {
  Skinned();
  ExpectHits({{{1, 1}, TopLeft}, {{150, 1}, Top}, {{298, 2}, TopRight}, {{1, 60}, Left}, {{298, 60}, Right},
              {{3, 140}, BottomLeft}, {{150, 148}, Bottom}, {{298, 148}, BottomRight}, {{150, 60}, Client},
              {{150, 15}, Object}});
  ExpectHits({{{150, 15}, Caption}}, {false, true, false});
  // A hot object takes the frame off the border, unless sizing runs.
  ExpectHits({{{1, 1}, Object}, {{150, 60}, Client}}, {true, false, false});
  ExpectHits({{{1, 1}, TopLeft}}, {true, false, true});
  Core.Options.Sizeable = false;
  ExpectHits({{{298, 148}, Object}, {{150, 60}, Client}});
  Core.Options.Sizeable = true;
  Core.State.RollUpState = true;
  ExpectHits({{{1, 1}, Object}, {{150, 60}, Object}});
  ExpectHits({{{150, 60}, Caption}}, {false, true, false});
}

TEST_F(FrameCoreTest, AMaskedSkinHasItsSizingBorderAlongItsShape) {
  // Black (the window) but for cut-off 10 x 10 corners at the top.
  TPixelImage mask(200, 100);
  for (int32_t y = 0; y < 10; ++y)
    for (int32_t x = 0; x < 10; ++x) {
      mask.SetPixel(x, y, clWhite);
      mask.SetPixel(199 - x, y, clWhite);
    }
  Skinned(&mask);
  // Next to a cut-off corner, also where the corner moved with the right edge.
  ExpectHits({{{12, 5}, TopLeft}, {{288, 5}, TopRight}, {{150, 5}, Object}, {{150, 60}, Client}});
  Skinned();
  ExpectHits({{{12, 5}, Object}, {{288, 5}, Object}});
}

TEST_F(FrameCoreTest, DefaultHitTestHasThreePixelLeftAndTopEdgesAndTwoPixelRightAndBottomOnes) {
  Core.UpdateGeometry(300, 200);
  ExpectHits({{{0, 0}, TopLeft}, {{299, 0}, TopRight}, {{0, 199}, BottomLeft}, {{298, 198}, BottomRight},
              {{2, 50}, Left}, {{3, 50}, Client}, {{298, 50}, Right}, {{297, 50}, Object}, {{100, 2}, Top},
              {{100, 198}, Bottom}, {{100, 10}, Caption}, {{290, 10}, Object}, {{10, 10}, Object}});
  ExpectHits({{{0, 0}, Object}}, {true, false, false});
  Core.State.WindowState = TspWindowState::Maximized;
  ExpectHits({{{0, 0}, Object}, {{100, 10}, Caption}, {{100, 50}, Client}});
}

TEST_F(FrameCoreTest, WithoutNcSupportTheSkinsSizeGripAndBorderAreHitInTheClientArea) {
  Info.SizeGripArea = Rect(185, 85, 199, 99);
  Core.Options.SupportNCArea = false;
  Skinned();
  EXPECT_EQ(Core.SizeGripRect(), Rect(285, 135, 299, 149));
  ExpectHits({{{290, 140}, BottomRight}, {{150, 60}, Client}, {{1, 60}, Left}, {{150, 15}, Client}});
  ExpectHits({{{290, 140}, Client}}, {true, false, false});
  Core.State.RollUpState = true;
  ExpectHits({{{1, 60}, Client}});
  // Without NC support only a skinned frame rolls up.
  EXPECT_TRUE(Core.RollUpContext(150).Allowed);
  Core.SetSkin({});
  EXPECT_FALSE(Core.RollUpContext(150).Allowed);
}

TEST_F(FrameCoreTest, SizeLimitsFollowTheSkinTheOptionsAndTheState) {
  TspFrameOptions& o = Core.Options;
  EXPECT_EQ(Core.MinSize(), (TSize{130, 25}));
  o.MinWidth = 250;  // wider than the picture
  o.MinHeight = 50;  // higher than the skin frame's 35 pixels without client
  Core.State.RollUpState = true;
  EXPECT_EQ(Core.MinSize(), (TSize{250, 25}));
  Core.State.RollUpState = false;
  Skinned();
  EXPECT_EQ(Core.MinSize(), (TSize{250, 50}));
  EXPECT_EQ(Core.SizeAfterSkinLoad({100, 400}), (TSize{250, 400}));
  Core.State.WindowState = TspWindowState::Minimized;
  EXPECT_EQ(Core.SizeAfterSkinLoad({300, 400}), (TSize{200, 35}));
  Info.FormMinWidth = 150;
  Info.ClRect = Rect(0, 0, 200, 400);  // larger than the picture: never a negative minimum
  EXPECT_EQ(Core.MinSize(), (TSize{150, 0}));

  o.SupportNCArea = false;
  EXPECT_EQ(Core.MinSize(), (TSize{200, 50}));
  Core.SetSkin({&Info, FrameTestPicture, {120, 20}, nullptr});
  Core.State.RollUpState = true;
  EXPECT_EQ(Core.MinSize(), (TSize{120, 20}));

  const TspMonitorAreas areas{Rect(0, 0, 1024, 768), Rect(0, 0, 1000, 700)};
  o.MaxWidth = 500;
  EXPECT_EQ(Core.GetMaxWidth(areas), 500);
  o.MaximizeOnFullScreen = true;
  EXPECT_EQ(Core.GetMaxHeight(areas), 768);
}

}  // namespace
