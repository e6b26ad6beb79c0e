// How one tab is drawn: the skin copy's fall-backs (and those written into the entry),
// the growth and caption shift of taller active tabs, the room of caption, image and
// close button. The looks of each state show in the pixel tests under Wine.
#include "skin/boxes/portable/TabLooks.h"

#include <gtest/gtest.h>

namespace {

constexpr TRect Tab{0, 0, 60, 20}, Active{0, 20, 60, 43}, Focus{0, 43, 60, 69};
constexpr TRect Close{60, 0, 74, 14}, CloseHot{60, 14, 74, 28};

TspDataSkinTabControl Entry() {
  TspDataSkinTabControl entry("tab");
  entry.TabRect = Tab;
  entry.ActiveTabRect = Active;
  entry.FocusTabRect = Focus;
  entry.TabLeftOffset = 5;
  entry.TabRightOffset = 7;
  return entry;
}

TEST(TabLooks, TheCopyFallsBackToTheLooksTheEntryHasAndTheCloseButtonsFallBacksStayInTheEntry) {
  TspDataSkinTabControl entry = Entry();
  entry.FocusTabRect = {};
  entry.CloseButtonRect = Close;
  TspDataSkinTabControl copy = CopyTabSkin(entry);
  EXPECT_EQ(copy.FocusTabRect, Active);
  EXPECT_EQ(copy.CloseButtonActiveRect, TRect{});  // written into the entry after the copy
  EXPECT_EQ(entry.CloseButtonActiveRect, Close);
  EXPECT_EQ(entry.CloseButtonDownRect, Close);
  copy = CopyTabSkin(entry);
  EXPECT_EQ(copy.CloseButtonDownRect, Close);
  entry.ActiveTabRect = {};
  entry.CloseButtonDownRect = {};
  entry.CloseButtonActiveRect = CloseHot;
  copy = CopyTabSkin(entry);
  EXPECT_EQ(copy.ActiveTabRect, Tab);
  EXPECT_EQ(copy.FocusTabRect, TRect{});  // the entry's own active tab, as empty as it is
  EXPECT_EQ(entry.CloseButtonDownRect, CloseHot);
}

TEST(TabLooks, ATallerActiveTabGrowsTowardThePageAndInactiveCaptionsMoveToTheirLowerPictures) {
  TspDataSkinTabControl skin = Entry();
  EXPECT_EQ(ActiveTabOverlap(skin), 3);
  EXPECT_EQ(FixedHeightTabGrowth(skin, {true, false, true}), 3);
  EXPECT_EQ(FixedHeightTabGrowth(skin, {false, false, true}), 0);
  skin.ActiveTabRect = Tab;  // only the focused look is taller
  EXPECT_EQ(FixedHeightTabGrowth(skin, {true, false, true}), 6);
  EXPECT_EQ(FixedHeightTabGrowth(skin, {true, false, false}), 0);
  EXPECT_EQ(TabCaptionShift(tpTop, skin, false), 0);
  skin.ActiveTabRect = Active;
  EXPECT_EQ(TabCaptionShift(tpTop, skin, false), 2);
  EXPECT_EQ(TabCaptionShift(tpLeft, skin, false), 2);
  EXPECT_EQ(TabCaptionShift(tpBottom, skin, false), -2);
  EXPECT_EQ(TabCaptionShift(tpRight, skin, false), -2);
  EXPECT_EQ(TabCaptionShift(tpTop, skin, true), 0);
  EXPECT_EQ(TabInnerRect(skin, Active), (TRect{5, 5, 53, 18}));  // a quarter of the tab height
}

TEST(TabLooks, CaptionImageAndCloseButtonShareTheTab) {
  TspTabContent plain = TabContentLayout(80, 20, 2, false, 0, true);
  EXPECT_EQ(plain.Caption, (TRect{0, 2, 80, 20}));
  EXPECT_EQ(plain.Close, TRect{});
  EXPECT_EQ(plain.ImageShift, 0);
  const TspTabContent skinned = TabContentLayout(80, 20, -2, true, 16, true);
  EXPECT_EQ(skinned.Caption, (TRect{0, -2, 61, 20}));
  EXPECT_EQ(skinned.Close, (TRect{61, -4, 80, 20}));
  EXPECT_EQ(skinned.ImageWidth, 64);
  EXPECT_EQ(TabContentLayout(80, 20, 0, false, 16, false).Close, (TRect{64, 0, 80, 20}));
  const TspImageAndText centred = TabImageAndTextLayout(80, 20, 16, 16, 30, 14, 2);
  EXPECT_EQ(centred.Image, (TPoint{15, 4}));
  EXPECT_EQ(centred.Text, (TRect{33, 5, 65, 19}));  // 2 pixels after the image, 2 wider than measured
}

}  // namespace
