// Which skin rectangle shows a part, how an entry's corner points fit it, and which
// frame of an animation strip is drawn; every value a skin can give is taken safely.
#include "skin/controls/portable/SkinAnimation.h"
#include "skin/controls/portable/SkinPartLook.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace {

using S = TspPartState;
constexpr int32_t Min = std::numeric_limits<int32_t>::min();
constexpr int32_t Max = std::numeric_limits<int32_t>::max();

TEST(PartLook, ALackingLookFallsBackTowardsTheNormalOne) {
  const TRect n{0, 0, 10, 10}, h{10, 0, 20, 10}, d{20, 0, 30, 10}, f{30, 0, 40, 10}, x{40, 0, 50, 10};
  const TRect unusable[] = {{5, 5, 5, 9}, {10, 0, 0, 10}, {Min, 0, Max, 10}, {0, 0, 32769, 1}, {0, 0, 8000, 8000}};
  EXPECT_EQ(PartLook({n, h, d, f, x}, S::Focused).Rect, f);
  for (const TRect& u : unusable) {  // no area, or more than a picture can hold
    EXPECT_EQ(PartLook({n, h, u, u, x}, S::Down).Rect, h);
    EXPECT_EQ(PartLook({n, h, d, u, x}, S::Focused).From, S::Hot);
    EXPECT_EQ(PartLook({n, u, u, u, u}, S::Down).From, S::Normal);
    EXPECT_EQ(PartLook({n, h, d, f, u}, S::Disabled).Rect, n);
    EXPECT_EQ(PartLook({u, u, u, u, u}, S::Hot).Rect, TRect{});
  }
}

TEST(DefaultPartLook, PressesControlsAndCellsToTheirOwnFills) {
  using L = std::pair<TColor, TColor>;  // frame, fill
  const auto look = [](S State, bool FramedNormal, TColor DownFill) {
    const TspDefaultLook l = DefaultPartLook(State, FramedNormal, DownFill);
    return L{l.Frame, l.Fill};
  };
  const TColor navy = RGBColor(0, 0, 128), hot = RGBColor(182, 189, 210);
  EXPECT_EQ(look(S::Down, true, DefaultDownFill), L(navy, RGBColor(133, 147, 181)));
  EXPECT_EQ(look(S::Down, true, DefaultCellDownFill), L(navy, RGBColor(133, 146, 181)));
  for (S state : {S::Hot, S::Focused}) EXPECT_EQ(look(state, false, DefaultCellDownFill), L(navy, hot));
  EXPECT_EQ(look(S::Disabled, true, DefaultCellDownFill), L(clBtnShadow, clBtnFace));
  EXPECT_EQ(look(S::Normal, false, DefaultDownFill), L(clNone, clBtnFace));
}

TEST(CustomControlGeometry, FollowsTheFirstCornerPointThatIsSet) {
  TspDataSkinCustomControl entry("button");
  entry.SkinRect = {100, 200, 140, 225};
  EXPECT_EQ(CustomControlGeometry(entry).Fit, TspPartFit::Copy);  // no corner points: fixed
  entry.RBPoint = {36, 0};
  entry.RTPoint = {30, 3};
  entry.LTPoint = {4, 3};
  TspPartGeometry g = CustomControlGeometry(entry);  // RT without a whole RB: width only
  EXPECT_EQ(g.Fit, TspPartFit::Horizontal);
  EXPECT_EQ(std::pair(g.StartOffset, g.EndOffset), std::pair(4, 10));
  entry.RBPoint.Y = 18;
  EXPECT_EQ(CustomControlGeometry(entry).Fit, TspPartFit::NinePart);
  entry.RTPoint = entry.RBPoint = {};
  entry.LBPoint = {4, 18};
  g = CustomControlGeometry(entry);
  EXPECT_EQ(g.Fit, TspPartFit::Vertical);
  EXPECT_EQ(std::pair(g.StartOffset, g.EndOffset), std::pair(3, 7));
  EXPECT_EQ(SkinResizeMode({}, g.Cut), -1);
}

TEST(StepAnimationFrame, RunsUpToTheHotLookAndBackToTheNormalOne) {
  int32_t frame = 0;
  int steps = 0;
  while (StepAnimationFrame(frame, 3, true)) ++steps;
  EXPECT_EQ(frame, 4);
  EXPECT_EQ(steps, 4);
  while (StepAnimationFrame(frame, 3, false)) --steps;
  EXPECT_EQ(frame, 0);
  EXPECT_EQ(steps, 0);
}

TEST(NextMorphKf, FiveStepsEndExactlyOnALookAndGoNoFurther) {
  double kf = 0;
  for (int i = 0; i < 5; ++i) kf = NextMorphKf(kf, true);
  EXPECT_EQ(kf, 1.0);
  EXPECT_EQ(NextMorphKf(kf, true), 1.0);
  for (int i = 0; i < 5; ++i) kf = NextMorphKf(kf, false);
  EXPECT_EQ(kf, 0.0);
  EXPECT_EQ(NextMorphKf(kf, false), 0.0);
  // A fade that started between fifths joins them.
  EXPECT_DOUBLE_EQ(NextMorphKf(0.45, true), 0.6);
  EXPECT_DOUBLE_EQ(NextMorphKf(0.55, false), 0.4);
}

TEST(AnimationFrameRect, GivesEqualFramesOfTheStripAndNothingElse) {
  const TRect strip{10, 20, 110, 30};  // 100 wide: three frames of 33
  EXPECT_EQ(AnimationFrameRect(strip, 3, 3, true), (TRect{76, 20, 109, 30}));
  EXPECT_EQ(AnimationFrameRect(strip, 2, 2, false), (TRect{10, 25, 110, 30}));
  const std::pair<int32_t, int32_t> outside[] = {{3, 0}, {3, 4}, {0, 0}, {-2, -1}, {Max, Max}};
  for (auto [count, frame] : outside) EXPECT_EQ(AnimationFrameRect(strip, count, frame, true), TRect{});
  EXPECT_EQ(AnimationFrameRect(strip, 11, 1, false), TRect{});  // under a pixel high
  const TRect last = AnimationFrameRect({Min, 0, Max, 10}, 2, 2, true);
  EXPECT_TRUE(last.Left < last.Right && last.Right <= Max);
  EXPECT_TRUE(CanAnimate(strip, 3, 20, true));
  EXPECT_FALSE(CanAnimate(strip, 0, 20, true) || CanAnimate(strip, 3, 0, true));
}

}  // namespace
