// Which look a speed button shows without windows, and the state pictures a button and a
// speed button take from a button entry while its frame animation runs.
#include "skin/controls/portable/ButtonLayout.h"
#include "skin/controls/portable/SpeedButtonLook.h"

#include <gtest/gtest.h>

namespace {

using S = TspPartState;

TEST(SpeedButtonPartState, ADownGroupedButtonStaysPressedAndHoverOnlyWarmsOthers) {
  struct {
    bool Enabled, HasDisabled, Down, MouseIn, Grouped, Morphed;
    S State;
  } const rows[] = {
      {true, true, false, false, false, false, S::Normal}, {false, true, false, false, false, false, S::Disabled},
      {false, false, false, false, false, false, S::Normal}, {true, true, true, true, false, false, S::Down},
      {true, true, true, false, false, false, S::Normal},   {true, true, true, false, true, false, S::Down},
      {true, true, false, true, false, false, S::Hot},      {true, true, false, false, false, true, S::Hot},
  };
  for (const auto& r : rows)
    EXPECT_EQ(SpeedButtonPartState(r.Enabled, r.HasDisabled, r.Down, r.MouseIn, r.Grouped, r.Morphed), r.State)
        << r.Enabled << r.HasDisabled << r.Down << r.MouseIn << r.Grouped << r.Morphed;
}

TEST(SpeedButtonShowsFlat, OnlyAwayFromThePointerAndNotHeldDownInAGroup) {
  EXPECT_TRUE(SpeedButtonShowsFlat(true, false, false, false));
  EXPECT_TRUE(SpeedButtonShowsFlat(true, true, false, false));  // released away from it
  EXPECT_FALSE(SpeedButtonShowsFlat(true, false, true, false));
  EXPECT_FALSE(SpeedButtonShowsFlat(true, true, false, true));
  EXPECT_FALSE(SpeedButtonShowsFlat(false, false, false, false));
}

TEST(AnimatedButtonRects, MissingPicturesFallBackAndAFrameStandsInWhileTheAnimationRuns) {
  const TRect normal{0, 0, 40, 25}, hot{40, 0, 80, 25};
  TspPartRects r = AnimatedButtonRects({normal, {}, {}, {}, {}}, false, {}, 0, 0, true);
  EXPECT_EQ((std::pair(r.Hot, r.Down)), (std::pair(normal, normal)));
  r = AnimatedButtonRects({normal, hot, {}, {}, {}}, true, {0, 25, 120, 50}, 3, 2, true);  // side by side
  EXPECT_EQ((std::pair(r.Hot, r.Down)), (std::pair(TRect{40, 25, 80, 50}, hot)));
  r = AnimatedButtonRects({normal, hot, {}, {}, {}}, true, {80, 0, 120, 75}, 3, 3, false);  // stacked
  EXPECT_EQ((std::pair(r.Normal, r.Hot)), (std::pair(TRect{80, 50, 120, 75}, hot)));
}

}  // namespace
