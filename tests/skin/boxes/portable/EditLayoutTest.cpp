// The skinned edit's rules: the skin values with their fall-backs, where text area and
// button lie with and without a skin, the non-client margins, hit codes, frame and button
// looks, the client strip and the heights; skin coordinates at the 32-bit limits never
// overflow.
#include "skin/boxes/portable/EditLayout.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int32_t Highest = std::numeric_limits<int32_t>::max();

// Like the program's "buttonedit": 40 x 21, ends 4 and 20 wide, a button at the right end.
TspEditSkin ButtonEdit(TRect ActiveSkinRect = Rect(170, 25, 210, 46), TRect DownButtonRect = {}) {
  TspDataSkinEditControl entry("buttonedit");
  entry.SkinRect = Rect(128, 25, 168, 46);
  entry.LTPoint = Point(4, 0);
  entry.RTPoint = Point(20, 0);
  entry.ClRect = Rect(3, 3, 20, 18);
  entry.ActiveSkinRect = ActiveSkinRect;
  entry.ButtonRect = Rect(21, 2, 38, 19);
  entry.ActiveButtonRect = Rect(2, 48, 19, 65);
  entry.DownButtonRect = DownButtonRect;
  entry.UnenabledButtonRect = Rect(40, 48, 57, 65);
  return EditSkinOf(entry);
}

TEST(EditLayout, TheSkinValuesFallBackAndTheClientAndARightButtonFollowTheSize) {
  const TspEditSkin skin = ButtonEdit({});
  EXPECT_EQ(skin.LeftOffset, 4);
  EXPECT_EQ(skin.RightOffset, 40 - 20);
  EXPECT_EQ(skin.ActiveSkinRect, skin.SkinRect);          // no hot frame: the normal one
  EXPECT_EQ(skin.DownButtonRect, skin.ActiveButtonRect);  // no pressed button: the hot one
  EXPECT_EQ(EditLayout(&skin, 100, 21, true, true).EditRect, Rect(3, 3, 80, 18));
  EXPECT_EQ(EditLayout(&skin, 100, 21, true, true).ButtonRect, Rect(81, 2, 98, 19));
  // Without the skin font the height grows too; a button in the left end stays.
  EXPECT_EQ(EditLayout(&skin, 100, 31, true, false).ButtonRect, Rect(81, 2, 98, 29));
  TspEditSkin left = skin;
  left.ButtonRect = Rect(1, 2, 18, 19);
  EXPECT_EQ(EditLayout(&left, 100, 21, true, true).ButtonRect, Rect(1, 2, 18, 19));
  // Without a skin: a two-pixel frame and a square button.
  EXPECT_EQ(EditLayout(nullptr, 100, 20, false, true).EditRect, Rect(2, 2, 98, 18));
  EXPECT_EQ(EditLayout(nullptr, 100, 24, true, true).ButtonRect, Rect(76, 0, 100, 24));
  EXPECT_EQ(EditLayout(nullptr, 100, 24, true, true).EditRect, Rect(2, 2, 74, 22));
}

TEST(EditLayout, TheClientAreaIsTheWindowLessTheFrameAndPointsHitButtonTextOrFrame) {
  const TspEditSkin skin = ButtonEdit();
  EXPECT_EQ(EditClientArea(Rect(10, 20, 110, 41), &skin, true), Rect(13, 23, 90, 38));
  EXPECT_EQ(EditClientArea(Rect(10, 20, 110, 40), nullptr, false), Rect(12, 22, 108, 38));
  EXPECT_EQ(EditClientArea(Rect(10, 20, 110, 40), nullptr, true), Rect(12, 22, 88, 38));
  EXPECT_EQ(EditClientArea(Rect(0, 0, 10, 3), &skin, true), Rect(3, 3, 3, 3));  // never inverted
  EXPECT_EQ(EditClientOrigin(&skin), Point(3, 3));
  const TspEditLayout layout = EditLayout(nullptr, 100, 24, true, true);
  EXPECT_EQ(EditHitTest(layout, Point(99, 23)), TspEditHit::Button);
  EXPECT_EQ(EditHitTest(layout, Point(2, 2)), TspEditHit::Text);
  EXPECT_EQ(EditHitTest(layout, Point(74, 10)), TspEditHit::Frame);  // the gap before the button
}

TEST(EditLayout, FrameButtonAndClientStripLooks) {
  TspEditSkin skin = ButtonEdit(Rect(170, 25, 210, 46), Rect(21, 48, 38, 65));
  EXPECT_EQ(EditFrameState(true, false, true), TspPartState::Hot);  // focused
  EXPECT_EQ(EditFrameState(false, true, true), TspPartState::Disabled);
  EXPECT_EQ(PartLook(EditFrameRects(skin), TspPartState::Disabled).Rect, skin.SkinRect);
  EXPECT_EQ(EditButtonOverlay(skin, false, true, true), skin.UnEnabledButtonRect);
  EXPECT_EQ(EditButtonOverlay(skin, true, true, true), skin.DownButtonRect);
  EXPECT_EQ(EditButtonOverlay(skin, true, true, false), TRect{});  // pressed, pointer off
  EXPECT_EQ(EditButtonOverlay(skin, true, false, true), skin.ActiveButtonRect);
  TspPartRects entry;
  entry.Normal = Rect(0, 0, 10, 10);
  entry.Hot = Rect(10, 0, 20, 10);
  EXPECT_EQ(PartLook(EditButtonRects(entry), EditButtonState(true, true)).Rect, entry.Normal);
  EXPECT_EQ(EditButtonState(true, false), TspPartState::Normal);
  // The strip behind the text keeps the frame's ends where they reach into the client.
  TspEditClientStrip strip = EditClientStrip(skin, skin.ActiveSkinRect);
  EXPECT_EQ(strip.Source, Rect(173, 28, 190, 43));
  EXPECT_EQ(strip.LeftOffset, 1);
  skin.ClRect = Rect(6, 3, 30, 18);
  EXPECT_EQ(EditClientStrip(skin, skin.SkinRect).RightOffset, 10);
}

TEST(EditLayout, HeightsAndTheDisabledTextsPlace) {
  const TspEditSkin skin = ButtonEdit();
  EXPECT_EQ(EditFontHeight(16, &skin), 16 + 21 - 15);
  EXPECT_EQ(EditFontHeight(16, nullptr), 20);
  EXPECT_EQ(EditHeight(&skin, true, 50, 30), 21);
  EXPECT_EQ(EditHeight(&skin, false, 50, 30), 30);
  EXPECT_EQ(EditHeight(nullptr, true, 50, 30), 50);
  EXPECT_EQ(EditDisabledTextLeft(taLeftJustify, 100, 40), 2);
  EXPECT_EQ(EditDisabledTextLeft(taRightJustify, 100, 40), 59);
  EXPECT_EQ(EditDisabledTextLeft(taCenter, 100, 41), 30);
}

TEST(EditLayout, SkinCoordinatesAtTheLimitsSaturate) {
  TspEditSkin skin = ButtonEdit();
  skin.ClRect = Rect(Highest, Highest, Highest, Highest);
  skin.ButtonRect = Rect(Highest - 1, 0, Highest, 10);
  EXPECT_EQ(EditLayout(&skin, 1000, 1000, true, false).EditRect.Right, Highest);
  EXPECT_EQ(EditLayout(&skin, 1000, 1000, true, false).ButtonRect.Right, Highest);
  EXPECT_EQ(EditClientArea(Rect(0, 0, 1000, 1000), &skin, false).Left, Highest);
  EXPECT_EQ(EditClientStrip(skin, Rect(Highest, Highest, Highest, Highest)).Source.Left, Highest);
  TspDataSkinEditControl entry("edit");
  entry.RTPoint = Point(-Highest, 0);
  EXPECT_EQ(EditSkinOf(entry).RightOffset, Highest);
}

}  // namespace
