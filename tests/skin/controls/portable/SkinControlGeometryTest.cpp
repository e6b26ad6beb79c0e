// How a skinned control's size and client rectangle follow its skin entry, for each
// resize mode and for extreme values from an untrusted skin.
#include "skin/controls/portable/SkinControlGeometry.h"
#include "skin/controls/portable/SkinPartLook.h"

#include "skin/data/SkinLimits.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int32_t Min = std::numeric_limits<int32_t>::min();
constexpr int32_t Max = std::numeric_limits<int32_t>::max();

// A 40 x 25 entry cut 4 pixels in from each side.
constexpr TRect Skin{10, 20, 50, 45};
constexpr TSkinCut Cut{{4, 4}, {36, 4}, {4, 21}, {36, 21}, {4, 4, 36, 21}};

TSkinCut WithCorners(TPoint RT, TPoint LB, TPoint RB) {
  TSkinCut cut = Cut;
  cut.RT = RT;
  cut.LB = LB;
  cut.RB = RB;
  return cut;
}

TEST(FitSizeToSkin, KeepsTheSidesTheResizeModeLetsChange) {
  EXPECT_EQ(FitSizeToSkin(1, Skin, 100, 60), (TSize{100, 60}));
  EXPECT_EQ(FitSizeToSkin(2, Skin, 100, 60), (TSize{100, 25}));
  EXPECT_EQ(FitSizeToSkin(3, Skin, 100, 60), (TSize{40, 60}));
  EXPECT_EQ(FitSizeToSkin(0, Skin, 100, 60), (TSize{40, 25}));
  EXPECT_EQ(FitSizeToSkin(-1, TRect{}, 100, 60), (TSize{100, 60}));
  // Each mode as the entry's corner points give it.
  EXPECT_EQ(FitSizeToSkin(SkinResizeMode(Skin, WithCorners({36, 4}, {0, 0}, {0, 0})), Skin, 90, 90),
            (TSize{90, 25}));
  EXPECT_EQ(FitSizeToSkin(SkinResizeMode(Skin, WithCorners({}, {4, 21}, {0, 21})), Skin, 90, 90),
            (TSize{40, 90}));
  EXPECT_EQ(FitSizeToSkin(SkinResizeMode(Skin, WithCorners({}, {}, {})), Skin, 90, 90), (TSize{40, 25}));
}

// The skin's sides are taken while the control they make is no larger than a skin's
// pictures may be, side and pixels; past that the size asked stays.
TEST(FitSizeToSkin, ASkinRectangleLargerThanAPictureMayBeSizesNothing) {
  const TRect widest{0, 0, MaxSkinPictureSide, 256};  // 2^23 pixels
  EXPECT_EQ(FitSizeToSkin(0, widest, 100, 60), (TSize{MaxSkinPictureSide, 256}));
  EXPECT_EQ(FitSizeToSkin(0, {0, 0, MaxSkinPictureSide + 1, 1}, 100, 60), (TSize{100, 60}));
  EXPECT_EQ(FitSizeToSkin(0, {0, 0, MaxSkinPictureSide, 257}, 100, 60), (TSize{100, 60}));
  EXPECT_EQ(FitSizeToSkin(2, {0, 0, 10, 8192}, 1024, 60), (TSize{1024, 8192}));
  EXPECT_EQ(FitSizeToSkin(2, {0, 0, 10, 8193}, 1024, 60), (TSize{1024, 60}));
  EXPECT_EQ(FitSizeToSkin(3, {0, 0, MaxSkinPictureSide + 1, 25}, 100, 60), (TSize{100, 60}));
}

TEST(FitCutToSkin, MovesOnlyWhatLiesPastTheStretchingMiddle) {
  EXPECT_EQ(FitCutToSkin(1, Skin, Cut, 100, 60),
            (TSkinCut{{4, 4}, {96, 4}, {4, 56}, {96, 56}, {4, 4, 96, 56}}));
  EXPECT_EQ(FitCutToSkin(2, Skin, Cut, 100, 60),  // the height stays the skin's
            (TSkinCut{{4, 4}, {96, 4}, {4, 21}, {96, 21}, {4, 4, 96, 21}}));
  EXPECT_EQ(FitCutToSkin(3, Skin, Cut, 100, 60),
            (TSkinCut{{4, 4}, {36, 4}, {4, 56}, {36, 56}, {4, 4, 36, 56}}));
  EXPECT_EQ(FitCutToSkin(0, Skin, Cut, 100, 60), Cut);
  EXPECT_EQ(FitCutToSkin(1, Skin, Cut, 10, 5).ClRect, (TRect{4, 4, 6, 1}));  // smaller than the skin
}

TEST(GrownClientRect, StretchesTheClientRectangleWithTheControl) {
  EXPECT_EQ(GrownClientRect({4, 4, 36, 21}, Skin, 100, 60), (TRect{4, 4, 96, 56}));
  EXPECT_EQ(GrownClientRect({4, 4, 36, 21}, Skin, 40, 25), (TRect{4, 4, 36, 21}));
}

TEST(AnySizeGeometry, CutsAtTheClientRectanglesCornersOrStretchesWithoutOne) {
  const TspPartGeometry cut = AnySizeGeometry({4, 4, 36, 21});
  EXPECT_EQ(cut.Fit, TspPartFit::NinePart);
  EXPECT_EQ(cut.Cut, (TSkinCut{{4, 4}, {36, 4}, {4, 21}, {36, 21}, {4, 4, 36, 21}}));
  EXPECT_EQ(AnySizeGeometry({}).Fit, TspPartFit::Stretch);
}

TEST(SkinControlGeometry, ExtremeSkinValuesSaturateInsteadOfOverflowing) {
  const TRect wide{Min, Min, Max, Max};
  const TSkinCut extreme{{Max, Max}, {Max, Min}, {Min, Max}, {Max, Max}, {Min, Min, Max, Max}};
  EXPECT_EQ(FitSizeToSkin(0, wide, 10, 10), (TSize{10, 10}));  // saturated, and larger than a picture may be
  const TSkinCut fitted = FitCutToSkin(1, wide, extreme, Max, Min);
  EXPECT_EQ(fitted.RB, (TPoint{-1, Min}));  // the 64-bit sums, clamped
  EXPECT_EQ(GrownClientRect(extreme.ClRect, {Max, Max, Min, Min}, Max, Max).Right, Max);
}

}  // namespace
