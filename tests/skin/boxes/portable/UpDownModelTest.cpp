// The up-down control's rules: a position outside the range is refused (also one a step
// would take past the 32-bit range), the range takes the position along, the pressed
// look falls back to the hot one. The buttons' places show under Wine.
#include "skin/boxes/portable/UpDownModel.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int32_t Lowest = std::numeric_limits<int32_t>::min();
constexpr int32_t Highest = std::numeric_limits<int32_t>::max();

TEST(UpDownRange, RefusesAPositionOutsideTheRangeInsteadOfClampingIt) {
  TspUpDownRange range;
  EXPECT_TRUE(range.SetPosition(100));
  EXPECT_FALSE(range.SetPosition(101));  // a step past Max
  EXPECT_EQ(range.Position(), 100);
  EXPECT_TRUE(range.SetPosition(100));  // the same value is taken again
  EXPECT_FALSE(range.SetPosition(-1));
  EXPECT_EQ(range.Position(), 100);
  range.SetMax(Highest);
  EXPECT_TRUE(range.SetPosition(Highest));
  EXPECT_FALSE(range.SetPosition(int64_t{Highest} + 1));  // a step that would overflow
  EXPECT_EQ(range.Position(), Highest);
}

TEST(UpDownRange, MovingAnEndTakesThePositionAlong) {
  TspUpDownRange range;
  range.SetPosition(50);
  range.SetMax(40);
  EXPECT_EQ(range.Position(), 40);
  range.SetMin(45);  // above Max: the position follows Min
  EXPECT_EQ(range.Position(), 45);
  EXPECT_FALSE(range.SetPosition(42));
  range.SetMin(Lowest);
  range.SetMax(60);
  EXPECT_EQ(range.Position(), 45);  // within the range again: left alone
}

TEST(UpDownLooks, APressedLookTheEntryLacksIsTheHotOneAndTheNormalStateCopiesNothing) {
  TspDataSkinUpDownControl entry("hupdown");
  entry.ActiveUpButtonRect = {0, 0, 10, 10};
  entry.DownUpButtonRect = {10, 0, 20, 10};
  entry.ActiveDownButtonRect = {20, 0, 30, 10};
  const TspUpDownLooks up = UpDownLooks(entry, UpButton);
  const TspUpDownLooks down = UpDownLooks(entry, DownButton);
  EXPECT_EQ(UpDownLookRect(up, true, true), entry.DownUpButtonRect);
  EXPECT_EQ(UpDownLookRect(up, true, false), entry.ActiveUpButtonRect);
  EXPECT_EQ(UpDownLookRect(down, true, true), entry.ActiveDownButtonRect);
  EXPECT_EQ(UpDownLookRect(up, false, true), TRect{});  // held but the pointer is off it
  EXPECT_EQ(UpDownLookRect(down, false, false), TRect{});
}

}  // namespace
