// The hot tab and the close buttons: when the tabs are drawn again, which tab is hot as
// the pointer moves, and which page a release closes - only one whose button the left
// button pressed, whichever tab is selected.
#include "skin/boxes/portable/TabTracker.h"

#include <gtest/gtest.h>

#include <array>

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
  TspTabTracker::TResult Down(TPoint P) { return tracker.LeftButtonDown(pages, P, 0, true); }
  TspTabTracker::TResult Up(TPoint P) { return tracker.LeftButtonUp(pages, P, 0, true); }

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

TEST_F(TabTrackerTest, ACloseButtonIsHotUnderThePointerAlsoOnTheSelectedTab) {
  EXPECT_TRUE(Move({45, 5}).Redraw);
  EXPECT_TRUE(close[0].MouseIn);
  EXPECT_FALSE(Move({46, 6}).Redraw);
  EXPECT_TRUE(Move({20, 6}).Redraw);
  EXPECT_FALSE(close[0].MouseIn);
  Move({45, 5});
  EXPECT_TRUE(Move({90, 5}).Redraw);  // straight onto another tab
  EXPECT_FALSE(close[0].MouseIn);
  Move({105, 5});
  EXPECT_TRUE(close[2].MouseIn);
  EXPECT_TRUE(tracker.MouseLeave(pages, 1).Redraw);  // the selected tab's button too
  EXPECT_FALSE(close[2].MouseIn);
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
  EXPECT_FALSE(close[0].Pressed);
  EXPECT_EQ(Up({105, 5}).ClosePage, -1);
  Down({45, 5});
  Move({20, 5});  // off the button: the press is given up
  Move({45, 5});
  EXPECT_EQ(Up({45, 5}).ClosePage, -1);
  Down({10, 5});  // pressed on the tab beside its button
  EXPECT_EQ(Up({45, 5}).ClosePage, -1);
  EXPECT_EQ(tracker.LeftButtonUp(pages, {45, 5}, 0, false).ClosePage, -1);  // no close buttons
}

TEST_F(TabTrackerTest, ATallerActiveTabsButtonIsFoundWhereItWasDrawn) {
  pages[0].DrawnAt = {0, -3};  // a bottom tab's picture reaching 3 pixels into the page
  Move({45, 2});
  EXPECT_TRUE(close[0].MouseIn);
  Move({45, 11});
  EXPECT_FALSE(close[0].MouseIn);
}

}  // namespace
