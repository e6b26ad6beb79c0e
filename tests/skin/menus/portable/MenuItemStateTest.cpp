// A menu item's cross-fade and frame animation, its animation strip, and a level's fade-in.
#include "skin/menus/portable/MenuItemState.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The factors (Morphs) or frames an item goes through until it rests.
std::vector<double> Steps(TspMenuItemState& Item, bool Morphs) {
  std::vector<double> steps;
  while (Item.AnimationStep(Morphs, !Morphs, 3)) steps.push_back(Morphs ? Item.MorphKf : Item.FrameIndex);
  return steps;
}

TEST(MenuItemState, CrossFadesInFifthsOrPlaysItsFramesTowardsTheLookItShows) {
  TspMenuItemState item;
  EXPECT_TRUE(Steps(item, true).empty());
  item.Active = true;
  const std::vector<double> up = Steps(item, true);
  ASSERT_EQ(up.size(), 5u);
  EXPECT_DOUBLE_EQ(up[0], 0.2);
  EXPECT_EQ(up.back(), 1.0);  // exactly: the resting hot look
  item.Active = false;
  item.Opened = true;  // an open submenu keeps the hot look
  EXPECT_TRUE(Steps(item, true).empty());
  item.Opened = false;
  EXPECT_EQ(Steps(item, true).back(), 0.0);
  item.Active = true;
  EXPECT_EQ(Steps(item, false), (std::vector<double>{1, 2, 3, 4}));  // 4: resting, hot
  item.Active = false;
  EXPECT_EQ(Steps(item, false), (std::vector<double>{3, 2, 1, 0}));

  item.Active = item.Opened = true;
  item.MorphKf = 0.4;
  item.InView = false;  // scrolled away: put to rest at once
  EXPECT_FALSE(item.AnimationStep(true, false, 0));
  EXPECT_FALSE(item.Active || item.Opened || item.MorphKf != 0);
}

TEST(MenuItemFrameRect, LiesSideBySideUnlessTheStripIsTallerThanTheItem) {
  TspDataSkinMenuItem entry("menuitem");
  entry.SkinRect = {2, 118, 62, 140};
  entry.AnimateSkinRect = {126, 118, 306, 140};  // three frames of 60 x 22
  entry.FrameCount = 3;
  entry.AnimateInterval = 20;
  EXPECT_TRUE(MenuItemAnimates(entry));
  EXPECT_EQ(std::pair(MenuItemFrameRect(entry, 2), MenuItemFrameRect(entry, 4)),
            std::pair(TRect{186, 118, 246, 140}, TRect{}));
  entry.AnimateSkinRect = {0, 200, 60, 266};
  EXPECT_EQ(MenuItemFrameRect(entry, 3), (TRect{0, 244, 60, 266}));
  entry.AnimateInterval = 0;
  EXPECT_FALSE(MenuItemAnimates(entry));
}

TEST(RunFadeIn, StepsAtOnceThenOnlyAfterEnoughTimeAndEndsAtItsTarget) {
  for (uint32_t start : {1000u, 0xFFFFFFF0u}) {  // also across the tick count's wrap
    uint32_t now = start;
    std::vector<std::pair<uint32_t, int>> steps;
    RunFadeIn(
        45, TspFade{}, [&] { return now += 2; }, [&](uint8_t alpha) { steps.emplace_back(now - start, alpha); });
    EXPECT_EQ(steps, (std::vector<std::pair<uint32_t, int>>{{2, 10}, {8, 20}, {14, 30}, {20, 40}, {26, 45}}));
  }
  int calls = 0;
  RunFadeIn(0, TspFade{}, [&] { return ++calls, 0u; }, [](uint8_t) { FAIL(); });
  EXPECT_EQ(calls, 0);  // nothing to fade: the clock is not read
}

}  // namespace
