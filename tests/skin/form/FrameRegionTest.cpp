// The window's shape as its size changes by the user's hand: a mask that a window region
// may take at one size and not at another leaves the window whole, never cut to the shape
// of the size it had before, on the screen as in GetWindowRgn.
#include "FrameTestKit.h"

#include "skin/data/MaskRegionData.h"

#include "Screenshot.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The frame test skin's corner mask with a checkerboard over 5 rows of its bottom band: a
// black run and a region rectangle per two pixels of the window's width in each row, 1,000
// at the picture's 400 pixels and 2,250 at 900, so that the region is one only while the
// window is small.
constexpr int kFineRows = 5;
void FineBottomBandMask(TspSkinPayload& Skin) {
  for (int32_t y = 110; y < 110 + kFineRows; ++y)
    for (int32_t x = 0; x < Skin.Mask.Width(); ++x) Skin.Mask.SetPixel(x, y, (x + y) % 2 == 0 ? clBlack : clWhite);
}
static_assert(kFineRows * 400 / 2 < MaxSkinRegionRects && kFineRows * 900 / 2 > MaxSkinRegionRects);

bool IsCorner(int32_t X, int32_t Y, int32_t Width, int32_t Height) {
  return (X < 2 || X >= Width - 2) && (Y < 2 || Y >= Height - 2);
}

// The colour behind the test's windows, which no test skin paints.
constexpr TColor kBehind = RGBColor(7, 77, 177);

bool HasRegion(HWND Window) {
  const TGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
  return GetWindowRgn(Window, region.get()) != ERROR;
}

TEST(FrameRegion, AWindowGrownPastWhatItsMasksRegionMayBeShowsWholeAndTakesItsShapeBackWhenSmall) {
  const TScreenBackdrop behind(TestWorkArea(), kBehind);
  TFrameWindow window{{100, 100, 500, 400}};
  window.Load("flatframe", FineBottomBandMask);
  window.Data()->SetEnableSkinEffects(false);
  window.Show();
  HWND form = window.Form()->Handle();
  // The mask cuts the corners away, and may cut its checkerboard rows, 2 to 22 rows below
  // the top of the bottom band (which stays 32 rows high).
  const TMayCut mayCut = [&](int32_t X, int32_t Y) {
    const int32_t width = window.Form()->Width(), height = window.Form()->Height();
    return IsCorner(X, Y, width, height) || (Y >= height - 30 && Y < height - 30 + kFineRows);
  };
  EXPECT_TRUE(HasRegion(form)) << "400 x 300";
  EXPECT_EQ(ShapeFault(form, behind, mayCut), "") << "400 x 300";

  // Grown by its bottom-right corner, then maximized and restored by its caption button.
  const auto corner = [&] { return TPoint{window.Form()->Width() - 4, window.Form()->Height() - 4}; };
  ASSERT_EQ(window.HitTest(corner()), HTBOTTOMRIGHT);
  DragByFrame(form, window.ScreenPoint(corner()), HTBOTTOMRIGHT, {500, 300});
  ASSERT_EQ(window.Form()->BoundsRect(), Rect(100, 100, 1000, 700));
  EXPECT_EQ(ShapeFault(form, behind, mayCut), "") << "900 x 600";
  SaveScreenPictureOf(form, "frame-region-grown");
  const auto clickMaximizeButton = [&] {
    const TPoint button = Centre(window.Frame()->StdButtonObject(cmmaximize)->ObjectRect);
    window.PostMouse(WM_NCLBUTTONDOWN, button);
    window.PostMouse(WM_NCLBUTTONUP, button);
  };
  clickMaximizeButton();
  ASSERT_EQ(window.Form()->BoundsRect(), TestWorkArea());
  EXPECT_EQ(ShapeFault(form, behind, mayCut), "") << "maximized";
  SaveScreenPictureOf(form, "frame-region-maximized");
  clickMaximizeButton();
  ASSERT_EQ(window.Frame()->WindowState(), TspWindowState::Normal);
  ASSERT_EQ(window.Form()->BoundsRect(), Rect(100, 100, 1000, 700));
  EXPECT_EQ(ShapeFault(form, behind, mayCut), "") << "restored";

  // Small again: the mask's shape is the window's once more.
  DragByFrame(form, window.ScreenPoint(corner()), HTBOTTOMRIGHT, {-500, -300});
  ASSERT_EQ(window.Form()->BoundsRect(), Rect(100, 100, 500, 400));
  EXPECT_TRUE(HasRegion(form)) << "400 x 300 again";
  EXPECT_EQ(ShapeFault(form, behind, mayCut), "") << "400 x 300 again";
  SaveScreenPictureOf(form, "frame-region-small-again");
}

// The frame test skin's roll-up mask (200 x 28, widened with the window between its
// roll-up points 12 and 156) with a checkerboard between those points in its first 7 rows:
// a run and a region rectangle per two pixels there in each, about 1,200 in a window 400
// pixels wide and 2,250 in one 700 wide.
constexpr int32_t kRollUpLeft = 12, kRollUpRightEnd = 200 - 156, kFineRollUpRows = 7;
void FineRollUpMask(TspSkinPayload& Skin) {
  for (int32_t y = 0; y < kFineRollUpRows; ++y)
    for (int32_t x = kRollUpLeft; x < Skin.RollUpMask.Width() - kRollUpRightEnd; ++x)
      Skin.RollUpMask.SetPixel(x, y, (x + y) % 2 == 0 ? clBlack : clWhite);
}

TEST(FrameRegion, AClientAreaFrameRolledUpWiderThanItsRollUpMasksRegionMayBeShowsWhole) {
  const TScreenBackdrop behind(TestWorkArea(), kBehind);
  for (const int width : {400, 700}) {
    TFrameWindow window{{100, 100, 100 + width, 400}};
    window.Frame()->SetSupportNCArea(false);
    window.Load("flatframe", FineRollUpMask);
    window.Data()->SetEnableSkinEffects(false);
    window.Show();
    const TPoint button = Centre(FrameObject(window.Frame(), "rollupbutton")->ObjectRect);
    window.PostMouse(WM_LBUTTONDOWN, button);
    window.PostMouse(WM_LBUTTONUP, button);
    ASSERT_TRUE(window.Frame()->RollUpState()) << width;
    HWND form = window.Form()->Handle();
    ASSERT_EQ(window.Form()->Width(), width);
    const int height = window.Form()->Height();
    const TMayCut mayCut = [&](int32_t X, int32_t Y) {
      return IsCorner(X, Y, width, height) || (X >= kRollUpLeft && X < width - kRollUpRightEnd);
    };
    EXPECT_EQ(HasRegion(form), width == 400) << width;
    EXPECT_EQ(ShapeFault(form, behind, mayCut), "") << width;
    SaveScreenPictureOf(form, "frame-region-rolled-up-" + std::to_string(width));
  }
}

}  // namespace
