#include "skin/form/portable/MDITabLooks.h"
#include "skin/form/portable/MDITabsLayout.h"

#include <gtest/gtest.h>

namespace {

std::vector<TspMDITabPlace> Row(std::initializer_list<TRect> Rects) {
  std::vector<TspMDITabPlace> tabs;
  for (const TRect& r : Rects) tabs.push_back({r, true});
  return tabs;
}

TEST(MDITabsLayout, TenTabsInFourHundredPixelsShowThreeAtTheMinimumWidth) {
  const TspMDITabsLayout layout = LayOutMDITabs(400, 21, 10, 100, 100);
  ASSERT_EQ(layout.Tabs.size(), 10u);
  EXPECT_EQ(layout.HiddenCount, 7);
  EXPECT_EQ(layout.RightLimit, 385);  // the hidden-tabs button's strip stays free
  EXPECT_EQ(layout.Tabs[0], (TspMDITabPlace{Rect(15, 0, 115, 21), true}));
  EXPECT_EQ(layout.Tabs[2], (TspMDITabPlace{Rect(215, 0, 315, 21), true}));
  for (size_t i = 3; i < 10; ++i) EXPECT_EQ(layout.Tabs[i], TspMDITabPlace{}) << i;
}

TEST(MDITabsLayout, FewTabsKeepTheDefaultWidthAndSharedTabsStretchTheLast) {
  const TspMDITabsLayout few = LayOutMDITabs(400, 20, 2, 100, 0);
  EXPECT_EQ(few.HiddenCount, 0);
  EXPECT_EQ(few.RightLimit, 400);
  EXPECT_EQ(few.Tabs[0].TabRect, Rect(15, 0, 115, 20));
  EXPECT_EQ(few.Tabs[1].TabRect, Rect(115, 0, 215, 20));  // no stretch to the end

  // Five tabs share 385 pixels: 77 each, the last one reaching the bar's end.
  const TspMDITabsLayout shared = LayOutMDITabs(400, 20, 5, 100, 50);
  EXPECT_EQ(shared.HiddenCount, 0);
  EXPECT_EQ(shared.Tabs[3].TabRect, Rect(246, 0, 323, 20));
  EXPECT_EQ(shared.Tabs[4].TabRect, Rect(323, 0, 400, 20));
}

TEST(MDITabsLayout, NoTabsOrNoRoomNeverDividesOrGoesNegative) {
  const TspMDITabsLayout none = LayOutMDITabs(400, 20, 0, 100, 0);
  EXPECT_TRUE(none.Tabs.empty());
  EXPECT_EQ(none.HiddenCount, 0);

  const TspMDITabsLayout narrow = LayOutMDITabs(10, 20, 3, 100, 0);  // less than the button strip
  for (const TspMDITabPlace& tab : narrow.Tabs) EXPECT_GE(tab.TabRect.Width(), 0);
  const TspMDITabsLayout tooNarrow = LayOutMDITabs(20, 20, 3, 100, 40);
  EXPECT_EQ(tooNarrow.HiddenCount, 3);
}

TEST(MDITabsLayout, ADraggedTabStaysInsideTheBar) {
  const TRect tab = Rect(115, 0, 215, 20);
  EXPECT_EQ(MovedMDITabRect(tab, 30, 400), Rect(145, 0, 245, 20));
  EXPECT_EQ(MovedMDITabRect(tab, -500, 400), Rect(0, 0, 100, 20));
  EXPECT_EQ(MovedMDITabRect(tab, 500, 385), Rect(285, 0, 385, 20));
}

TEST(MDITabsLayout, TheDropIndexPassesOnlyNeighboursWhoseCentreWasCrossed) {
  const auto tabs = Row({Rect(15, 0, 115, 20), Rect(115, 0, 215, 20), Rect(215, 0, 315, 20), Rect(315, 0, 415, 20)});
  // A few pixels either way: no neighbour's centre is passed.
  EXPECT_EQ(MDITabDropIndex(tabs, 1, MovedMDITabRect(tabs[1].TabRect, 10, 415), 10), -1);
  EXPECT_EQ(MDITabDropIndex(tabs, 1, MovedMDITabRect(tabs[1].TabRect, -10, 415), -10), -1);
  EXPECT_EQ(MDITabDropIndex(tabs, 1, tabs[1].TabRect, 0), -1);
  // Past the centre of the next tab (265), not of the one after (365).
  EXPECT_EQ(MDITabDropIndex(tabs, 1, MovedMDITabRect(tabs[1].TabRect, 60, 415), 60), 2);
  EXPECT_EQ(MDITabDropIndex(tabs, 1, MovedMDITabRect(tabs[1].TabRect, 200, 415), 200), 3);
  // Leftwards the lowest index whose centre lies right of the left edge.
  EXPECT_EQ(MDITabDropIndex(tabs, 3, MovedMDITabRect(tabs[3].TabRect, -260, 415), -260), 0);
  EXPECT_EQ(MDITabDropIndex(tabs, 3, MovedMDITabRect(tabs[3].TabRect, -60, 415), -60), 2);

  auto hidden = tabs;
  hidden[3].Visible = false;  // a hidden tab is never a target
  EXPECT_EQ(MDITabDropIndex(hidden, 1, MovedMDITabRect(tabs[1].TabRect, 200, 415), 200), 2);
  EXPECT_EQ(MDITabDropIndex(tabs, 7, tabs[1].TabRect, 5), -1);  // no such tab
}

TEST(MDITabsLayout, HitsAndTheTabsInsideParts) {
  auto tabs = Row({Rect(15, 0, 115, 20), Rect(115, 0, 215, 20)});
  EXPECT_EQ(MDITabAt(tabs, {15, 0}), 0);
  EXPECT_EQ(MDITabAt(tabs, {115, 19}), 1);
  EXPECT_EQ(MDITabAt(tabs, {14, 5}), -1);  // the button strip
  tabs[1].Visible = false;
  EXPECT_EQ(MDITabAt(tabs, {150, 5}), -1);

  EXPECT_EQ(MDITabTextRect(100, 20, false, 14), Rect(2, 0, 98, 20));
  EXPECT_EQ(MDITabTextRect(100, 20, true, 14), Rect(2, 0, 81, 20));
  EXPECT_EQ(MDITabCloseRect(100, 20, 14), Rect(83, 3, 97, 17));
}

}  // namespace

namespace {

TEST(MDITabLooks, EmptyLooksFallBackAndStatesPickTheirLook) {
  TspDataSkinTabControl entry("tab");
  entry.TabRect = Rect(0, 0, 40, 20);
  entry.ActiveTabRect = Rect(40, 0, 80, 22);
  entry.CloseButtonRect = Rect(0, 30, 12, 42);
  entry.FontColor = 1;
  entry.FocusFontColor = 2;
  entry.MouseInFontColor = 3;
  const TspDataSkinTabControl skin = MDITabsSkinOf(entry);
  EXPECT_EQ(MDITabSourceRect(skin, true, true), entry.ActiveTabRect);  // active wins over hot
  EXPECT_EQ(MDITabSourceRect(skin, false, true), entry.TabRect);       // no hot look: the normal one
  EXPECT_EQ(MDITabSourceRect(skin, false, false), entry.TabRect);
  EXPECT_EQ(skin.CloseButtonActiveRect, entry.CloseButtonRect);
  EXPECT_EQ(skin.CloseButtonDownRect, entry.CloseButtonRect);  // through the hot one
  EXPECT_EQ(MDITabFontColor(skin, true, false), 2);
  EXPECT_EQ(MDITabFontColor(skin, false, true), 3);
  EXPECT_EQ(MDITabFontColor(skin, false, false), 1);

  EXPECT_EQ(MDITabCloseSize(&skin), 12);
  EXPECT_EQ(MDITabCloseSize(nullptr), DefaultMDITabCloseSize);
  entry.CloseButtonRect = {};
  EXPECT_EQ(MDITabCloseSize(&entry), DefaultMDITabCloseSize);
}

}  // namespace
