// The skinned edit's rules: the skin values with their fall-backs, where text area and
// button lie with and without a skin, the non-client margins, hit codes, frame and button
// looks, the client strip and the heights; skin coordinates at the 32-bit limits never
// overflow.
#include "skin/boxes/portable/EditLayout.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int32_t Highest = std::numeric_limits<int32_t>::max();

// An entry like the program's "buttonedit": 40 x 21, ends 4 and 20 wide, a button at
// the right end.
TspDataSkinEditControl ButtonEditEntry() {
  TspDataSkinEditControl entry("buttonedit");
  entry.PictureIndex = 3;
  entry.SkinRect = Rect(128, 25, 168, 46);
  entry.LTPoint = Point(4, 0);
  entry.RTPoint = Point(20, 0);
  entry.ClRect = Rect(3, 3, 20, 18);
  entry.ActiveSkinRect = Rect(170, 25, 210, 46);
  entry.ButtonRect = Rect(21, 2, 38, 19);
  entry.ActiveButtonRect = Rect(2, 48, 19, 65);
  entry.UnenabledButtonRect = Rect(40, 48, 57, 65);
  return entry;
}

TEST(EditSkin, CopiesTheEntryWithTheHotFrameAndPressedButtonFallingBack) {
  TspDataSkinEditControl entry = ButtonEditEntry();
  TspEditSkin skin = EditSkinOf(entry);
  EXPECT_EQ(skin.LeftOffset, 4);
  EXPECT_EQ(skin.RightOffset, 40 - 20);
  EXPECT_EQ(skin.ActiveSkinRect, Rect(170, 25, 210, 46));
  EXPECT_EQ(skin.DownButtonRect, entry.ActiveButtonRect);  // none of its own
  EXPECT_TRUE(IsRectEmpty(skin.DisabledSkinRect));         // left to the paint path
  entry.ActiveSkinRect = {};
  entry.DownButtonRect = Rect(21, 48, 38, 65);
  skin = EditSkinOf(entry);
  EXPECT_EQ(skin.ActiveSkinRect, entry.SkinRect);
  EXPECT_EQ(skin.DownButtonRect, Rect(21, 48, 38, 65));
}

TEST(EditLayout, WithoutASkinATwoPixelFrameAndASquareButtonAtTheRightEnd) {
  EXPECT_EQ(EditLayout(nullptr, 100, 20, false, true).EditRect, Rect(2, 2, 98, 18));
  EXPECT_TRUE(IsRectEmpty(EditLayout(nullptr, 100, 20, false, true).ButtonRect));
  const TspEditLayout withButton = EditLayout(nullptr, 100, 24, true, true);
  EXPECT_EQ(withButton.ButtonRect, Rect(76, 0, 100, 24));
  EXPECT_EQ(withButton.EditRect, Rect(2, 2, 74, 22));
}

TEST(EditLayout, WithASkinTheClientAndARightButtonFollowTheWidthAndWithoutSkinFontTheHeight) {
  const TspEditSkin skin = EditSkinOf(ButtonEditEntry());
  TspEditLayout layout = EditLayout(&skin, 100, 21, true, true);
  EXPECT_EQ(layout.EditRect, Rect(3, 3, 80, 18));
  EXPECT_EQ(layout.ButtonRect, Rect(81, 2, 98, 19));
  layout = EditLayout(&skin, 100, 31, true, false);
  EXPECT_EQ(layout.EditRect, Rect(3, 3, 80, 28));
  EXPECT_EQ(layout.ButtonRect, Rect(81, 2, 98, 29));
  // A button in the frame's left end stays where the skin put it.
  TspEditSkin left = skin;
  left.ButtonRect = Rect(1, 2, 18, 19);
  EXPECT_EQ(EditLayout(&left, 100, 21, true, true).ButtonRect, Rect(1, 2, 18, 19));
}

TEST(EditLayout, TheClientAreaIsTheWindowLessTheFrameAndNeverInverted) {
  const TspEditSkin skin = EditSkinOf(ButtonEditEntry());
  EXPECT_EQ(EditClientArea(Rect(10, 20, 110, 41), &skin, true), Rect(13, 23, 90, 38));
  EXPECT_EQ(EditClientArea(Rect(10, 20, 110, 40), nullptr, false), Rect(12, 22, 108, 38));
  EXPECT_EQ(EditClientArea(Rect(10, 20, 110, 40), nullptr, true), Rect(12, 22, 88, 38));
  EXPECT_EQ(EditClientArea(Rect(0, 0, 10, 3), &skin, true), Rect(3, 3, 3, 3));
  EXPECT_EQ(EditClientOrigin(&skin), Point(3, 3));
  EXPECT_EQ(EditClientOrigin(nullptr), Point(2, 2));
}

TEST(EditLayout, APointHitsTheButtonTheTextOrTheFrame) {
  const TspEditLayout layout = EditLayout(nullptr, 100, 24, true, true);
  EXPECT_EQ(EditHitTest(layout, Point(76, 0)), TspEditHit::Button);
  EXPECT_EQ(EditHitTest(layout, Point(99, 23)), TspEditHit::Button);
  EXPECT_EQ(EditHitTest(layout, Point(2, 2)), TspEditHit::Text);
  EXPECT_EQ(EditHitTest(layout, Point(74, 10)), TspEditHit::Frame);  // the gap before the button
  EXPECT_EQ(EditHitTest(layout, Point(1, 10)), TspEditHit::Frame);
  EXPECT_EQ(EditHitTest(layout, Point(100, 10)), TspEditHit::Frame);
}

TEST(EditLooks, TheFrameShowsItsStateAndALackingLookIsTheNormalOne) {
  TspEditSkin skin = EditSkinOf(ButtonEditEntry());
  EXPECT_EQ(EditFrameState(true, false, false), TspPartState::Normal);
  EXPECT_EQ(EditFrameState(true, true, false), TspPartState::Hot);
  EXPECT_EQ(EditFrameState(true, false, true), TspPartState::Hot);
  EXPECT_EQ(EditFrameState(false, true, true), TspPartState::Disabled);
  EXPECT_EQ(PartLook(EditFrameRects(skin), TspPartState::Hot).Rect, skin.ActiveSkinRect);
  EXPECT_EQ(PartLook(EditFrameRects(skin), TspPartState::Disabled).Rect, skin.SkinRect);
  skin.DisabledSkinRect = Rect(212, 25, 252, 46);
  EXPECT_EQ(PartLook(EditFrameRects(skin), TspPartState::Disabled).Rect, skin.DisabledSkinRect);
}

TEST(EditLooks, TheButtonOverlayAndTheButtonEntrysState) {
  TspEditSkin skin = EditSkinOf(ButtonEditEntry());
  skin.DownButtonRect = Rect(21, 48, 38, 65);
  EXPECT_EQ(EditButtonOverlay(skin, false, true, true), skin.UnEnabledButtonRect);
  EXPECT_EQ(EditButtonOverlay(skin, true, true, true), skin.DownButtonRect);
  EXPECT_EQ(EditButtonOverlay(skin, true, true, false), TRect{});  // pressed, pointer off
  EXPECT_EQ(EditButtonOverlay(skin, true, false, true), skin.ActiveButtonRect);
  EXPECT_EQ(EditButtonOverlay(skin, true, false, false), TRect{});
  skin.UnEnabledButtonRect = {};
  EXPECT_EQ(EditButtonOverlay(skin, false, false, false), TRect{});

  EXPECT_EQ(EditButtonState(true, true), TspPartState::Down);
  EXPECT_EQ(EditButtonState(false, true), TspPartState::Hot);
  EXPECT_EQ(EditButtonState(true, false), TspPartState::Normal);
  TspPartRects rects;
  rects.Normal = Rect(0, 0, 10, 10);
  rects.Hot = Rect(10, 0, 20, 10);
  EXPECT_EQ(PartLook(EditButtonRects(rects), TspPartState::Down).Rect, rects.Normal);  // not the hot one
}

TEST(EditLooks, TheClientStripKeepsTheFramesEndsWhereTheyReachIntoTheClient) {
  TspEditSkin skin = EditSkinOf(ButtonEditEntry());  // ends 4 and 20, client 3 .. 20
  TspEditClientStrip strip = EditClientStrip(skin, skin.ActiveSkinRect);
  EXPECT_EQ(strip.Source, Rect(173, 28, 190, 43));
  EXPECT_EQ(strip.LeftOffset, 1);
  EXPECT_EQ(strip.RightOffset, 0);
  skin.ClRect = Rect(6, 3, 30, 18);
  strip = EditClientStrip(skin, skin.SkinRect);
  EXPECT_EQ(strip.LeftOffset, 0);
  EXPECT_EQ(strip.RightOffset, 10);
}

TEST(EditHeights, TheSkinOrTheFontSetsTheHeight) {
  const TspEditSkin skin = EditSkinOf(ButtonEditEntry());
  EXPECT_EQ(EditFontHeight(16, &skin), 16 + 21 - 15);
  EXPECT_EQ(EditFontHeight(16, nullptr), 20);
  EXPECT_EQ(EditHeight(&skin, true, 50, 30), 21);
  EXPECT_EQ(EditHeight(&skin, false, 50, 30), 30);
  EXPECT_EQ(EditHeight(nullptr, false, 50, 30), 30);
  EXPECT_EQ(EditHeight(nullptr, true, 50, 30), 50);
  EXPECT_EQ(EditDisabledTextLeft(taLeftJustify, 100, 40), 2);
  EXPECT_EQ(EditDisabledTextLeft(taRightJustify, 100, 40), 59);
  EXPECT_EQ(EditDisabledTextLeft(taCenter, 100, 41), 30);
}

TEST(EditLayout, SkinCoordinatesAtTheLimitsSaturate) {
  TspDataSkinEditControl entry = ButtonEditEntry();
  entry.SkinRect = Rect(0, 0, 10, 10);
  entry.RTPoint = Point(-Highest, 0);
  entry.ClRect = Rect(Highest, Highest, Highest, Highest);
  entry.ButtonRect = Rect(Highest - 1, 0, Highest, 10);
  const TspEditSkin skin = EditSkinOf(entry);
  EXPECT_EQ(skin.RightOffset, Highest);
  const TspEditLayout layout = EditLayout(&skin, 1000, 1000, true, false);
  EXPECT_EQ(layout.EditRect.Right, Highest);
  EXPECT_EQ(EditClientArea(Rect(0, 0, 1000, 1000), &skin, false).Left, Highest);
  EXPECT_EQ(EditClientStrip(skin, Rect(Highest, Highest, Highest, Highest)).Source.Left, Highest);
}

}  // namespace
