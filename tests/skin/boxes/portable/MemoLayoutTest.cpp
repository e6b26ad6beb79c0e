// The skinned memo's rules: the skin values, the rectangle inside the frame and the
// formatting rectangle with and without a skin, what the external bars show of the
// native scroll state, and the lines a disabled memo draws.
#include "skin/boxes/portable/MemoLayout.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

constexpr int32_t Highest = std::numeric_limits<int32_t>::max();

// Like the program's "memo": 40 x 40, corners 4 pixels in, client 2 pixels in.
TspMemoSkin Memo() {
  TspDataSkinMemoControl entry("memo");
  entry.SkinRect = Rect(2, 90, 42, 130);
  entry.RBPoint = Point(36, 36);
  entry.ClRect = Rect(2, 2, 38, 38);
  return MemoSkinOf(entry);
}

TEST(MemoLayout, TheSkinValuesAndTheRectanglesInsideTheFrame) {
  TspMemoSkin skin = Memo();
  EXPECT_EQ(skin.ActiveSkinRect, skin.SkinRect);  // no hot look: the normal one
  EXPECT_EQ(skin.Cut.RB, Point(36, 36));
  EXPECT_EQ(PartLook(EditFrameRects(skin), TspPartState::Disabled).Rect, skin.SkinRect);
  const TRect client = Rect(0, 0, 200, 100);
  EXPECT_EQ(MemoInnerRect(client, skin), Rect(2, 2, 198, 98));
  EXPECT_EQ(MemoInnerRect(Rect(0, 0, 3, 3), skin), Rect(2, 2, 2, 2));
  EXPECT_EQ(MemoFormattingRect(client, nullptr, false), Rect(6, 2, 196, 98));
  EXPECT_EQ(MemoFormattingRect(client, nullptr, true), Rect(3, 2, 196, 98));
  EXPECT_EQ(MemoFormattingRect(client, &skin, false), Rect(5, 4, 195, 96));
  EXPECT_EQ(MemoFormattingRect(client, &skin, true), Rect(3, 3, 195, 96));
  EXPECT_EQ(MemoFormattingRect(Rect(0, 0, 6, 4), &skin, true), Rect(3, 3, 3, 3));  // never inverted
  skin.ClRect = Rect(Highest, 0, 0, 0);
  EXPECT_EQ(MemoFormattingRect(client, &skin, true).Left, Highest);
}

TEST(MemoLayout, AnExternalBarIsDisabledAt0To0WhileAllFitsElseShowsTheNativeRange) {
  EXPECT_FALSE(MemoExternalBar({0, 9, 10, 0}, true).Enabled);  // 10 lines, 10 show
  const TspExternalBar lines = MemoExternalBar({0, 10, 10, 1}, true);
  EXPECT_TRUE(lines.Enabled);
  EXPECT_EQ((std::vector<int32_t>{lines.Max, lines.PageSize, lines.Position}), (std::vector<int32_t>{10, 10, 1}));
  EXPECT_FALSE(MemoExternalBar({0, 100, 100, 0}, false).Enabled);  // 100 pixels in a page of 100
  EXPECT_TRUE(MemoExternalBar({0, 101, 100, 0}, false).Enabled);
  EXPECT_FALSE(MemoExternalBar({0, Highest, Highest, 0}, false).Enabled);
}

TEST(MemoLayout, ADisabledMemoDrawsOneLineLessThanFitItsClientHeight) {
  EXPECT_EQ(MemoDisabledLineCount(100, 15, 50), 5);  // 6 fit
  EXPECT_EQ(MemoDisabledLineCount(90, 15, 50), 5);   // exactly 6 fit
  EXPECT_EQ(MemoDisabledLineCount(44, 15, 50), 1);   // two fit
  EXPECT_EQ(MemoDisabledLineCount(29, 15, 50), 1);   // a one-line memo shows its line
  EXPECT_EQ(MemoDisabledLineCount(10, 15, 50), 1);
  EXPECT_EQ(MemoDisabledLineCount(100, 15, 3), 3);  // no more than there are
  EXPECT_EQ(MemoDisabledLineCount(100, 15, 0), 0);
  EXPECT_EQ(MemoDisabledLineCount(100, 0, 500), 99);  // no line height counts as 1
}

}  // namespace
