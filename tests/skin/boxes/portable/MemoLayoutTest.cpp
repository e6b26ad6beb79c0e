// The skinned memo's rules: the skin values, the formatting rectangle with and without a
// skin, what the external bars show of the native scroll state, and the lines a disabled
// memo draws.
#include "skin/boxes/portable/MemoLayout.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Like the program's "memo": 40 x 40, corners 4 pixels in, client 2 pixels in.
TspDataSkinMemoControl MemoEntry() {
  TspDataSkinMemoControl entry("memo");
  entry.SkinRect = Rect(2, 90, 42, 130);
  entry.LTPoint = Point(4, 4);
  entry.RTPoint = Point(36, 4);
  entry.LBPoint = Point(4, 36);
  entry.RBPoint = Point(36, 36);
  entry.ClRect = Rect(2, 2, 38, 38);
  entry.DisabledSkinRect = Rect(86, 90, 126, 130);
  entry.BGColor = 0x112233;
  return entry;
}

TEST(MemoSkin, CopiesTheEntryAndALackingLookFallsBack) {
  TspMemoSkin skin = MemoSkinOf(MemoEntry());
  EXPECT_EQ(skin.ActiveSkinRect, skin.SkinRect);
  EXPECT_EQ(skin.Cut.RB, Point(36, 36));
  EXPECT_EQ(skin.Cut.ClRect, Rect(2, 2, 38, 38));
  EXPECT_EQ(skin.BGColor, 0x112233);
  EXPECT_EQ(MemoState(true, true, false), TspPartState::Hot);
  EXPECT_EQ(MemoState(true, false, true), TspPartState::Hot);
  EXPECT_EQ(MemoState(true, false, false), TspPartState::Normal);
  EXPECT_EQ(MemoState(false, true, true), TspPartState::Disabled);
  EXPECT_EQ(PartLook(MemoRects(skin), TspPartState::Disabled).Rect, Rect(86, 90, 126, 130));
  skin.DisabledSkinRect = {};
  EXPECT_EQ(PartLook(MemoRects(skin), TspPartState::Disabled).Rect, skin.SkinRect);
}

TEST(MemoInnerRect, TheClientLessTheSkinsFrameMarginsAndNeverInverted) {
  const TspMemoSkin skin = MemoSkinOf(MemoEntry());
  EXPECT_EQ(MemoInnerRect(Rect(0, 0, 200, 100), skin), Rect(2, 2, 198, 98));
  EXPECT_EQ(MemoInnerRect(Rect(0, 0, 3, 3), skin), Rect(2, 2, 2, 2));
}

TEST(MemoFormattingRect, InsideTheDefaultFrameOrTheSkinsAndNeverInverted) {
  const TRect client = Rect(0, 0, 200, 100);
  EXPECT_EQ(MemoFormattingRect(client, nullptr, false), Rect(6, 2, 196, 98));
  EXPECT_EQ(MemoFormattingRect(client, nullptr, true), Rect(3, 2, 196, 98));
  const TspMemoSkin skin = MemoSkinOf(MemoEntry());
  EXPECT_EQ(MemoFormattingRect(client, &skin, false), Rect(5, 4, 200 - 5, 100 - 4));
  EXPECT_EQ(MemoFormattingRect(client, &skin, true), Rect(3, 3, 195, 96));
  EXPECT_EQ(MemoFormattingRect(Rect(0, 0, 6, 4), &skin, true), Rect(3, 3, 3, 3));
  TspMemoSkin huge = skin;
  huge.ClRect = Rect(std::numeric_limits<int32_t>::max(), 0, 0, 0);
  EXPECT_EQ(MemoFormattingRect(client, &huge, true).Left, std::numeric_limits<int32_t>::max());
}

TEST(MemoExternalBar, DisabledAt0To0WhileAllFitsElseTheNativeRange) {
  // 10 lines, 10 showing: all fit. 11 lines: the bar scrolls.
  EXPECT_EQ(MemoExternalBar({0, 9, 10, 0}, true).Enabled, false);
  EXPECT_EQ(MemoExternalBar({0, 9, 10, 0}, true).Max, 0);
  const TspExternalBar vertical = MemoExternalBar({0, 10, 10, 1}, true);
  EXPECT_TRUE(vertical.Enabled);
  EXPECT_EQ(vertical.Max, 10);
  EXPECT_EQ(vertical.PageSize, 10);
  EXPECT_EQ(vertical.Position, 1);
  // A width of 100 pixels in a page of 100 fits.
  EXPECT_FALSE(MemoExternalBar({0, 100, 100, 0}, false).Enabled);
  EXPECT_TRUE(MemoExternalBar({0, 101, 100, 0}, false).Enabled);
  EXPECT_FALSE(MemoExternalBar({0, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max(), 0}, false)
                   .Enabled);
}

TEST(MemoDisabledLines, EveryLineThatFitsAtLeastOneAndNoMoreThanThereAre) {
  EXPECT_EQ(MemoDisabledLineCount(100, 15, 50), 6);
  EXPECT_EQ(MemoDisabledLineCount(10, 15, 50), 1);  // a one-line memo shows its line
  EXPECT_EQ(MemoDisabledLineCount(100, 15, 3), 3);
  EXPECT_EQ(MemoDisabledLineCount(100, 0, 500), 100);  // no line height counts as 1
  EXPECT_EQ(MemoDisabledLineCount(100, 15, 0), 0);
}

}  // namespace
