// A menu item's cross-fade and frame animation, its animation strip, and a level's fade-in.
#include "skin/menus/portable/MenuItemState.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Ticks until the item stops changing; the factors or frames it went through.
std::vector<double> MorphSteps(TspMenuItemState& Item) {
  std::vector<double> steps;
  while (Item.AnimationStep(true, false, 0)) steps.push_back(Item.MorphKf);
  return steps;
}
std::vector<int> FrameSteps(TspMenuItemState& Item, int FrameCount) {
  std::vector<int> steps;
  while (Item.AnimationStep(false, true, FrameCount)) steps.push_back(Item.FrameIndex);
  return steps;
}

TEST(MenuItemState, CrossFadesInFifthsToTheLookItShows) {
  TspMenuItemState item;
  EXPECT_TRUE(MorphSteps(item).empty());
  item.Active = true;
  const std::vector<double> up = MorphSteps(item);
  ASSERT_EQ(up.size(), 5u);
  EXPECT_DOUBLE_EQ(up[0], 0.2);
  EXPECT_EQ(up.back(), 1.0);  // exactly: the resting hot look
  item.Active = false;
  item.Opened = true;  // an open submenu keeps the hot look
  EXPECT_TRUE(MorphSteps(item).empty());
  item.Opened = false;
  const std::vector<double> down = MorphSteps(item);
  EXPECT_EQ(down.size(), 5u);
  EXPECT_EQ(down.back(), 0.0);

  item.Active = item.Opened = true;
  item.MorphKf = 0.4;
  item.InView = false;  // scrolled away: put to rest at once
  EXPECT_FALSE(item.AnimationStep(true, false, 0));
  EXPECT_FALSE(item.Active || item.Opened);
  EXPECT_EQ(item.MorphKf, 0);
}

TEST(MenuItemState, PlaysItsFramesForwardWhileHotAndBackAfterwards) {
  TspMenuItemState item;
  item.Active = true;
  EXPECT_EQ(FrameSteps(item, 3), (std::vector<int>{1, 2, 3, 4}));  // 4: resting, hot
  item.Active = false;
  EXPECT_EQ(FrameSteps(item, 3), (std::vector<int>{3, 2, 1, 0}));
  EXPECT_FALSE(item.AnimationStep(false, false, 3));
  item.Active = true;
  item.MorphKf = 0.6;  // a cross-fade goes first
  EXPECT_TRUE(item.AnimationStep(true, true, 3));
  EXPECT_EQ(item.FrameIndex, 0);
}

TEST(MenuItemFrameRect, LiesSideBySideUnlessTheStripIsTallerThanTheItem) {
  TspDataSkinMenuItem entry("menuitem");
  entry.SkinRect = {2, 118, 62, 140};
  entry.AnimateSkinRect = {126, 118, 306, 140};  // three frames of 60 x 22
  entry.FrameCount = 3;
  entry.AnimateInterval = 20;
  EXPECT_TRUE(MenuItemAnimates(entry));
  EXPECT_EQ(MenuItemFrameRect(entry, 2), (TRect{186, 118, 246, 140}));
  EXPECT_EQ(MenuItemFrameRect(entry, 4), TRect{});
  entry.AnimateSkinRect = {0, 200, 60, 266};
  EXPECT_EQ(MenuItemFrameRect(entry, 3), (TRect{0, 244, 60, 266}));
  entry.AnimateInterval = 0;
  EXPECT_FALSE(MenuItemAnimates(entry));
  entry.AnimateInterval = 20;
  entry.FrameCount = 0;
  EXPECT_FALSE(MenuItemAnimates(entry));
}

TEST(RunFadeIn, StepsOnlyAfterEnoughTimeAndEndsAtItsTarget) {
  for (uint32_t start : {1000u, 0xFFFFFFF0u}) {  // also across the tick count's wrap
    uint32_t now = start;
    std::vector<std::pair<uint32_t, int>> steps;
    RunFadeIn(
        45, TspFade{}, [&] { return now += 2; }, [&](uint8_t alpha) { steps.emplace_back(now - start, alpha); });
    EXPECT_EQ(steps, (std::vector<std::pair<uint32_t, int>>{{8, 10}, {14, 20}, {20, 30}, {26, 40}, {32, 45}}));
  }
  int calls = 0;
  RunFadeIn(0, TspFade{}, [&] { return ++calls, 0u; }, [](uint8_t) { FAIL(); });
  EXPECT_EQ(calls, 1);
}

}  // namespace
