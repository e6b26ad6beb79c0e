// A menu level's size and item layout, scrolling between the markers, and the key walks.
#include "skin/menus/portable/MenuLevelLayout.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

namespace {

constexpr int32_t Max = std::numeric_limits<int32_t>::max();

TspMenuSlot Slot(int32_t Height, bool Selectable = true) {
  TspMenuSlot slot;
  slot.Height = Height;
  slot.Selectable = Selectable;
  return slot;
}

// Count items of Height, all selectable, in a skinless level sized for a work area
// WorkAreaHeight high and arranged.
TspMenuLevelLayout Level(int Count, int WorkAreaHeight = 600, int MaxItems = 0, int Height = 20) {
  TspMenuLevelLayout level;
  level.Slots.assign(Count, Slot(Height));
  const TSize size = level.Measure({40, 16, LevelAllowance(nullptr, {}, nullptr), Height, MaxItems, WorkAreaHeight});
  level.ItemsRect = LevelGeometry(nullptr, {}, size).ItemsRect;
  level.Arrange();
  return level;
}

std::vector<bool> InView(const TspMenuLevelLayout& L) {
  std::vector<bool> v;
  for (const TspMenuSlot& s : L.Slots) v.push_back(s.InView);
  return v;
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
  const TspLevelAllowance skinless = LevelAllowance(nullptr, {}, nullptr);
  const TspLevelAllowance skinned = LevelAllowance(&popup, {40, 40}, &entry);
  const TspLevelAllowance noItemEntry = LevelAllowance(&popup, {40, 40}, nullptr);
  EXPECT_EQ(std::pair(skinless.Width, skinless.Height), std::pair(10, 6));
  EXPECT_EQ(std::pair(skinned.Width, skinned.Height), std::pair(26 + 60 - 52 + 3 + 3, 4 + 4));
  EXPECT_EQ(noItemEntry.Width, skinless.Width - 6 + 3 + 3);  // skinless items in the skin's frame

  TspMenuLevelLayout level;
  level.Slots = {Slot(20), Slot(4, false), Slot(20)};
  const TspLevelMeasures measures{50, 16, skinless, 20, 0, 600};
  EXPECT_EQ(level.Measure(measures), (TSize{50 + 16 + 16 + 10, 44 + 6}));
  EXPECT_FALSE(level.ScrollMode);

  level.Slots.assign(3, Slot(Max / 2));  // a skin's absurd heights saturate
  EXPECT_EQ(level.Measure({Max, Max, skinless, 20, 0, Max}).cy, Max);
}

TEST(MenuLevelSize, ScrollsWhenTooHighOrWhenMoreItemsThanAllowed) {
  TspMenuLevelLayout thirty = Level(30, 400);
  EXPECT_EQ(thirty.Measure({40, 16, LevelAllowance(nullptr, {}, nullptr), 20, 0, 400}).cy, 400);
  EXPECT_TRUE(thirty.ScrollMode && !thirty.ScrollByCount);
  thirty.Arrange();
  EXPECT_EQ(thirty.UpMarker(), (TRect{3, 3, 79, 13}));
  EXPECT_EQ(thirty.DownMarker(), (TRect{3, 387, 79, 397}));
  EXPECT_EQ(thirty.VisibleCount, 18);  // 374 pixels between the markers
  EXPECT_EQ(thirty.Slots[0].Rect, (TRect{3, 13, 79, 33}));
  EXPECT_EQ(thirty.Slots[17].Rect.Bottom, 373);
  EXPECT_FALSE(thirty.Slots[18].InView);
  EXPECT_EQ(thirty.GapBelowItems(), (TRect{3, 373, 79, 387}));

  const TspMenuLevelLayout eight = Level(8, 600, 5);
  EXPECT_TRUE(eight.ScrollMode && eight.ScrollByCount);
  EXPECT_EQ(eight.ItemsRect.Bottom, 5 * 20 + 6 + 20 - 3);
  EXPECT_EQ(eight.VisibleCount, 5);
  EXPECT_EQ(InView(eight), (std::vector<bool>{true, true, true, true, true, false, false, false}));
  EXPECT_FALSE(Level(5, 600, 5).ScrollMode);
}

TEST(MenuLevelLayout, ScrollsOneItemAtATimeAndWrapsOnlyWhenAsked) {
  TspMenuLevelLayout level = Level(30, 400);
  EXPECT_EQ(level.LargestTopIndex(), 12);
  EXPECT_FALSE(level.ScrollUp(false));
  EXPECT_TRUE(level.ScrollUp(true));
  EXPECT_EQ(std::pair(level.TopIndex, level.VisibleCount), std::pair(12, 18));
  EXPECT_TRUE(level.Slots[29].InView && !level.Slots[11].InView);
  EXPECT_EQ(level.Slots[12].Rect.Top, 13);
  EXPECT_FALSE(level.CanScrollDown() || level.ScrollDown(false));
  EXPECT_TRUE(level.ScrollDown(true));
  EXPECT_EQ(level.TopIndex, 0);
  EXPECT_TRUE(level.ScrollDown(false));
  EXPECT_EQ(std::pair(level.TopIndex, level.Slots[1].Rect.Top), std::pair(1, 13));

  // Items of different heights: the largest top index still shows the whole last item.
  level.Slots[28].Height = 30;
  level.Slots[29].Height = 7;
  level.TopIndex = level.LargestTopIndex();
  level.Arrange();
  EXPECT_TRUE(level.Slots[29].InView);
  EXPECT_FALSE(level.CanScrollDown());
  EXPECT_EQ(level.TopIndex, 12);
}

TEST(MenuLevelLayout, FindsTheItemOrMarkerUnderThePointer) {
  TspMenuLevelLayout level = Level(30, 400);
  EXPECT_EQ(level.ItemAt({10, 13}), 0);
  EXPECT_EQ(level.ItemAt({10, 372}), 17);
  EXPECT_EQ(level.ItemAt({10, 380}), -1);  // the gap
  EXPECT_EQ(level.ItemAt({2, 20}), -1);
  EXPECT_EQ(level.MarkerAt({10, 5}), TspScrollMarker::Up);
  EXPECT_EQ(level.MarkerAt({10, 390}), TspScrollMarker::Down);
  EXPECT_EQ(level.MarkerAt({10, 200}), TspScrollMarker::None);
  level.ScrollDown(false);
  EXPECT_EQ(level.ItemAt({10, 13}), 1);
}

TEST(MenuKeyWalk, SkipsSeparatorsAndDisabledItemsAndWrapsOnlyFromTheLastItem) {
  TspMenuLevelLayout level;  // A, B, separator, disabled C, D, disabled E
  level.Slots = {Slot(20), Slot(20), Slot(4, false), Slot(20, false), Slot(20), Slot(20, false)};
  level.ItemsRect = {3, 3, 80, 107};
  level.Arrange();
  EXPECT_EQ(level.NextItem(-1, false), 0);
  EXPECT_EQ(level.NextItem(1, false), 4);
  EXPECT_EQ(level.NextItem(4, false), 4);  // only a disabled item follows: the hot item stays
  EXPECT_EQ(level.PreviousItem(-1, false), 4);
  EXPECT_EQ(level.PreviousItem(0, false), 4);
  EXPECT_EQ(level.PreviousItem(4, false), 1);
  level.Slots.pop_back();
  EXPECT_EQ(level.NextItem(4, false), 0);  // from the last item: to the top
}

TEST(MenuKeyWalk, ScrollsTheListAlongAndJumpsBetweenItsEnds) {
  TspMenuLevelLayout level = Level(30, 400);
  EXPECT_EQ(level.NextItem(17, false), 18);  // from the last item in view
  EXPECT_EQ(level.TopIndex, 1);
  EXPECT_EQ(level.PreviousItem(1, false), 0);  // from the first
  EXPECT_EQ(level.TopIndex, 0);
  EXPECT_EQ(level.PreviousItem(0, false), 29);  // from the top to the end
  EXPECT_EQ(level.TopIndex, 12);
  EXPECT_EQ(level.NextItem(29, false), 0);  // and back to the top
  EXPECT_EQ(level.TopIndex, 0);

  level.Slots[17].Selectable = false;  // a skipped item that is last in view scrolls too
  EXPECT_EQ(level.NextItem(16, false), 18);
  EXPECT_EQ(level.TopIndex, 1);
  EXPECT_EQ(level.NextItem(18, true), 19);  // while the pointer scrolls, keys do not
  EXPECT_EQ(level.TopIndex, 1);
}

TEST(MenuKeyAction, EnterEscapeAndTheArrowsAloneDoSomething) {
  using A = TspMenuKeyAction;
  const std::pair<uint16_t, A> keys[] = {{13, A::Click},    {27, A::CloseLevel},  {37, A::CloseSubmenu},
                                         {38, A::Previous}, {39, A::OpenSubmenu}, {40, A::Next}};
  for (auto [key, action] : keys) EXPECT_EQ(MenuKeyAction(key), action) << key;
  for (uint16_t key : {0, 12, 14, 26, 28, 32, 36, 41, 65, 0xFFFF}) EXPECT_EQ(MenuKeyAction(key), A::None) << key;
}

}  // namespace
