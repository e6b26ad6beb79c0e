// A menu level's size and item layout, scrolling between the markers, and the key walks.
#include "skin/menus/portable/MenuLevelLayout.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

namespace {

constexpr int32_t Max = std::numeric_limits<int32_t>::max();

TspMenuSlot Slot(int32_t Height, bool Selectable = true) {
  TspMenuSlot slot;
  slot.Height = Height;
  slot.Selectable = Selectable;
  return slot;
}

// Count items 20 high in a skinless level sized for a work area of that height, arranged.
TspMenuLevelLayout Level(int Count, int WorkAreaHeight, int MaxItems = 0) {
  TspMenuLevelLayout level;
  level.Slots.assign(Count, Slot(20));
  const TSize size = level.Measure({40, 16, LevelAllowance(nullptr, {}, nullptr), 20, MaxItems, WorkAreaHeight});
  level.ItemsRect = LevelGeometry(nullptr, {}, size).ItemsRect;
  level.Arrange();
  return level;
}

TEST(MenuLevelSize, ComesFromTheItemsTheSkinsAndTheWorkArea) {
  TspDataSkinMenuItem entry("menuitem");
  EXPECT_EQ(std::pair(MenuItemHeight(nullptr, true, 20), MenuItemHeight(&entry, false, 20)), std::pair(4, 20));
  entry.SkinRect = {2, 118, 62, 140};
  entry.DividerRect = {308, 118, 368, 125};
  entry.TextRect = {26, 0, 52, 22};
  EXPECT_EQ(std::pair(MenuItemHeight(&entry, true, 20), MenuItemHeight(&entry, false, 20)), std::pair(7, 22));
  TspDataSkinPopupWindow popup;
  popup.ItemsRect = {3, 4, 37, 36};  // in a 40 x 40 picture
  const TspLevelAllowance skinned = LevelAllowance(&popup, {40, 40}, &entry);
  EXPECT_EQ(std::pair(skinned.Width, skinned.Height), std::pair(26 + 60 - 52 + 3 + 3, 4 + 4));
  EXPECT_EQ(LevelAllowance(&popup, {40, 40}, nullptr).Width, 4 + 3 + 3);  // skinless items in the frame
  // The entry's items in the skinless frame: its text rectangle's margins and 3 pixels aside.
  EXPECT_EQ(LevelAllowance(nullptr, {}, &entry).Width, 26 + 60 - 52 + 3 + 3);

  TspMenuLevelLayout level;
  level.Slots = {Slot(20), Slot(4, false), Slot(20)};
  EXPECT_EQ(level.Measure({50, 16, LevelAllowance(nullptr, {}, nullptr), 20, 0, 600}), (TSize{50 + 16 + 16 + 10, 50}));
  EXPECT_FALSE(level.ScrollMode);
  level.Slots.assign(3, Slot(Max / 2));  // a skin's absurd heights saturate
  EXPECT_EQ(level.Measure({Max, Max, skinned, 20, 0, Max}), (TSize{Max, Max}));
}

TEST(MenuLevelLayout, ScrollsBetweenItsMarkersOneItemAtATimeAndWrapsOnlyWhenAsked) {
  TspMenuLevelLayout level = Level(30, 400);  // 400 high: 374 pixels between the markers
  EXPECT_TRUE(level.ScrollMode && !level.ScrollByCount);
  EXPECT_EQ(std::pair(level.UpMarker(), level.DownMarker()), std::pair(TRect{3, 3, 79, 13}, TRect{3, 387, 79, 397}));
  EXPECT_EQ(std::pair(level.VisibleCount, level.Slots[17].Rect), std::pair(18, TRect{3, 353, 79, 373}));
  EXPECT_FALSE(level.Slots[18].InView);
  EXPECT_EQ(level.GapBelowItems(), (TRect{3, 373, 79, 387}));
  EXPECT_EQ(std::pair(level.ItemAt({10, 372}), level.ItemAt({10, 380})), std::pair(17, -1));

  EXPECT_FALSE(level.ScrollUp(false));
  EXPECT_TRUE(level.ScrollUp(true));  // to the end
  EXPECT_EQ(std::pair(level.TopIndex, level.Slots[12].Rect.Top), std::pair(12, 13));
  EXPECT_TRUE(level.Slots[29].InView && !level.Slots[11].InView);
  EXPECT_FALSE(level.ScrollDown(false));
  EXPECT_TRUE(level.ScrollDown(true));
  EXPECT_TRUE(level.ScrollDown(false));
  EXPECT_EQ(std::pair(level.TopIndex, level.ItemAt({10, 13})), std::pair(1, 1));

  // Items of other heights: the largest top index still shows the whole last item.
  level.Slots[28].Height = 30;
  level.Slots[29].Height = 7;
  level.TopIndex = level.LargestTopIndex();
  level.Arrange();
  EXPECT_EQ(level.TopIndex, 12);
  EXPECT_TRUE(level.Slots[29].InView);

  const TspMenuLevelLayout eight = Level(8, 600, 5);  // five of eight, and the markers
  EXPECT_TRUE(eight.ScrollMode && eight.ScrollByCount);
  EXPECT_EQ(std::pair(eight.ItemsRect.Bottom, eight.VisibleCount), std::pair(5 * 20 + 6 + 20 - 3, 5));
  EXPECT_FALSE(Level(5, 600, 5).ScrollMode);
}

TEST(MenuKeyWalk, SkipsSeparatorsAndDisabledItemsAndWrapsOnlyFromTheLastItem) {
  TspMenuLevelLayout level;  // A, B, separator, disabled C, D, disabled E
  level.Slots = {Slot(20), Slot(20), Slot(4, false), Slot(20, false), Slot(20), Slot(20, false)};
  level.ItemsRect = {3, 3, 80, 107};
  level.Arrange();
  const std::pair<int32_t, int32_t> downs[] = {{-1, 0}, {1, 4}, {4, 4}}, ups[] = {{-1, 4}, {0, 4}, {4, 1}};
  for (auto [from, to] : downs) EXPECT_EQ(level.NextItem(from, false), to) << from;
  for (auto [from, to] : ups) EXPECT_EQ(level.PreviousItem(from, false), to) << from;
  level.Slots.pop_back();
  EXPECT_EQ(level.NextItem(4, false), 0);  // from the last item to the top
}

TEST(MenuKeyWalk, ScrollsTheListAlongAndJumpsBetweenItsEnds) {
  TspMenuLevelLayout level = Level(30, 400);
  // The new hot item and the top index after it was found.
  const auto walked = [&](int32_t HotItem) { return std::pair(HotItem, level.TopIndex); };
  EXPECT_EQ(walked(level.NextItem(17, false)), std::pair(18, 1));  // from the last item in view
  EXPECT_EQ(walked(level.PreviousItem(1, false)), std::pair(0, 0));  // from the first
  EXPECT_EQ(walked(level.PreviousItem(0, false)), std::pair(29, 12));
  EXPECT_EQ(walked(level.NextItem(29, false)), std::pair(0, 0));
  level.Slots[17].Selectable = false;  // a skipped item that is last in view scrolls too
  EXPECT_EQ(walked(level.NextItem(16, false)), std::pair(18, 1));
  EXPECT_EQ(walked(level.NextItem(18, true)), std::pair(19, 1));  // not while the pointer scrolls
}

TEST(MenuKeyAction, EnterEscapeAndTheArrowsAloneDoSomething) {
  using A = TspMenuKeyAction;
  const std::pair<uint16_t, A> keys[] = {{13, A::Click},    {27, A::CloseLevel},  {37, A::CloseSubmenu},
                                         {38, A::Previous}, {39, A::OpenSubmenu}, {40, A::Next}};
  for (auto [key, action] : keys) EXPECT_EQ(MenuKeyAction(key), action) << key;
  for (uint16_t key : {0, 12, 14, 26, 28, 36, 41, 65, 0xFFFF}) EXPECT_EQ(MenuKeyAction(key), A::None) << key;
}

}  // namespace
