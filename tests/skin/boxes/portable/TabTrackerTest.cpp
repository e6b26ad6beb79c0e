// The hot tab and the close buttons: when the tabs are drawn again, which tab is hot as
// the pointer moves, which close buttons keep their flags, and which page a release
// closes - only one whose button a mouse button pressed, whichever tab is selected.
#include "skin/boxes/portable/TabTracker.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

class TabTrackerTest : public ::testing::Test {
protected:
  // Three pages, the middle one without a tab: tabs 0 and 1 are pages 0 and 2. Each
  // close button sits at (40, 4) of its tab, 10 x 10.
  TabTrackerTest() {
    for (TspCloseButtonState& c : close) c.Rect = {40, 4, 50, 14};
    pages = {{{true, {0, 0, 60, 20}, {0, 0}, &close[0]},
              {false, {}, {}, &close[1]},
              {true, {60, 0, 120, 20}, {60, 0}, &close[2]}}};
  }
  TspTabTracker::TResult Move(TPoint P, int TabIndex = 0) { return tracker.MouseMove(pages, P, TabIndex, true); }
  TspTabTracker::TResult Down(TPoint P, bool Left = true) { return tracker.ButtonDown(pages, P, 0, true, Left); }
  TspTabTracker::TResult Up(TPoint P, bool Left = true) { return tracker.ButtonUp(pages, P, 0, true, Left); }

  std::array<TspCloseButtonState, 3> close;
  std::array<TspTrackedPage, 3> pages;
  TspTabTracker tracker;
};

TEST_F(TabTrackerTest, OnlyTabsThatLookDifferentHotAreDrawnAgain) {
  EXPECT_FALSE(Move({10, 10}).Redraw);  // the selected tab
  EXPECT_EQ(tracker.HotTab(), 0);
  EXPECT_TRUE(Move({70, 10}).Redraw);
  EXPECT_EQ(tracker.HotPage(), 2);
  EXPECT_EQ(tracker.HotTab(), 1);
  EXPECT_FALSE(Move({80, 10}).Redraw);
  EXPECT_TRUE(Move({200, 10}).Redraw);  // off every tab: tab 1 loses its hot look
  EXPECT_EQ(tracker.HotPage(), -1);
  EXPECT_FALSE(Move({120, 10}).Redraw);  // the right edge is outside
  Move({70, 10});
  EXPECT_TRUE(tracker.MouseLeave(pages, 0).Redraw);
  EXPECT_EQ(tracker.HotTab(), -1);
  EXPECT_FALSE(tracker.MouseMove(pages, {10, 10}, 0, false).Redraw);
}

TEST_F(TabTrackerTest, ACloseButtonIsHotUnderThePointerAndOnlyTheSelectedTabsKeepsItsFlagsOffItsTab) {
  EXPECT_TRUE(Move({45, 5}).Redraw);
  EXPECT_TRUE(close[0].MouseIn);
  EXPECT_FALSE(Move({46, 6}).Redraw);
  EXPECT_TRUE(Move({20, 6}).Redraw);
  EXPECT_FALSE(close[0].MouseIn);
  Move({45, 5});
  EXPECT_TRUE(Move({90, 5}).Redraw);  // straight onto another tab
  EXPECT_TRUE(close[0].MouseIn);      // the selected tab's: its drawing without the pointer takes the look
  Move({105, 5});
  EXPECT_TRUE(close[2].MouseIn);
  EXPECT_TRUE(Move({200, 5}).Redraw);  // off every tab: another tab's button loses its flags
  EXPECT_FALSE(close[2].MouseIn);
  Move({105, 5});
  EXPECT_TRUE(tracker.MouseLeave(pages, 0).Redraw);  // so it does when the pointer leaves
  EXPECT_FALSE(close[2].MouseIn);
  tracker.MouseMove(pages, {105, 5}, 1, true);
  EXPECT_FALSE(tracker.MouseLeave(pages, 1).Redraw);  // the selected tab's keeps them
  EXPECT_TRUE(close[2].MouseIn);
}

TEST_F(TabTrackerTest, AReleaseClosesThePageWhoseButtonTheLeftButtonPressed) {
  EXPECT_TRUE(Down({105, 5}).Redraw);  // on tab 1, not the selected one
  EXPECT_TRUE(close[2].Pressed);
  const TspTabTracker::TResult release = Up({104, 6});
  EXPECT_EQ(release.ClosePage, 2);
  EXPECT_TRUE(release.Redraw);
  EXPECT_TRUE(close[2].MouseIn);
  EXPECT_FALSE(close[2].Pressed);
}

TEST_F(TabTrackerTest, AReleaseWithoutAPressOnThatButtonClosesNothing) {
  EXPECT_EQ(Up({45, 5}).ClosePage, -1);  // no press at all
  Down({45, 5});
  Move({105, 5});  // onto another tab's button while held
  EXPECT_TRUE(close[0].Pressed);  // the selected tab's button keeps its flags
  EXPECT_EQ(Up({105, 5}).ClosePage, -1);
  EXPECT_FALSE(close[0].Pressed);  // every release ends every press
  Down({45, 5});
  Move({200, 5});  // off every tab
  Up({200, 5});
  Move({45, 5});
  EXPECT_EQ(Up({45, 5}).ClosePage, -1);  // that press ended with its release
  Down({45, 5});
  Move({20, 5});  // off the button: the press is given up
  Move({45, 5});
  EXPECT_EQ(Up({45, 5}).ClosePage, -1);
  Down({10, 5});  // pressed on the tab beside its button
  EXPECT_EQ(Up({45, 5}).ClosePage, -1);
  EXPECT_EQ(tracker.ButtonUp(pages, {45, 5}, 0, false, true).ClosePage, -1);  // no close buttons
}

TEST_F(TabTrackerTest, AnyMouseButtonPressesTheButtonOfTheTabTheLastMoveFound) {
  EXPECT_FALSE(Down({105, 5}, false).Redraw);  // only the left button looks for the tab itself
  EXPECT_FALSE(close[2].Pressed);
  Move({105, 5});
  Down({105, 5}, false);
  EXPECT_TRUE(close[2].Pressed);
  EXPECT_EQ(Up({105, 5}, false).ClosePage, 2);
}

TEST_F(TabTrackerTest, TheSelectedTabsButtonHeldOffItsTabClosesWhenLetGoBackOnIt) {
  Down({45, 5});
  Move({200, 5});
  EXPECT_TRUE(close[0].Pressed);
  Move({45, 5});
  EXPECT_EQ(Up({45, 5}).ClosePage, 0);
}

TEST_F(TabTrackerTest, AHotPageThatWentOrLostItsTabIsHotNoMore) {
  // Page 2 is hot, then freed: a press or release of another button finds no tab.
  Move({105, 5});
  const std::vector<TspTrackedPage> left(pages.begin(), pages.begin() + 2);
  EXPECT_FALSE(tracker.ButtonDown(left, {105, 5}, 0, true, false).Redraw);
  EXPECT_EQ(tracker.HotPage(), -1);
  EXPECT_EQ(tracker.HotTab(), -1);
  EXPECT_EQ(tracker.ButtonUp(left, {105, 5}, 0, true, false).ClosePage, -1);
  EXPECT_FALSE(tracker.MouseLeave(left, 0).Redraw);

  // Page 2 is hot with its button pressed, then its tab goes: the button of the page
  // without a tab is not pressed where tab 0's button is.
  Move({105, 5});
  Down({105, 5}, false);
  pages[2].TabVisible = false;
  pages[2].DrawnAt = {};
  Up({200, 5}, false);
  Down({45, 5}, false);
  EXPECT_FALSE(close[2].Pressed);
  EXPECT_EQ(Up({45, 5}, false).ClosePage, -1);

  // A page before the hot one goes: the hot page keeps its tab, now the first.
  Move({105, 5});
  pages[2].TabVisible = true;
  Move({105, 5});
  pages[0].TabVisible = false;
  Down({105, 5}, false);
  EXPECT_EQ(tracker.HotPage(), 2);
  EXPECT_EQ(tracker.HotTab(), 0);
}

TEST_F(TabTrackerTest, ATallerActiveTabsButtonIsFoundWhereItWasDrawn) {
  pages[0].DrawnAt = {0, -3};  // a bottom tab's picture reaching 3 pixels into the page
  Move({45, 2});
  EXPECT_TRUE(close[0].MouseIn);
  Move({45, 11});
  EXPECT_FALSE(close[0].MouseIn);
}

}  // namespace
