#include "skin/form/portable/TrayIconRules.h"

#include <gtest/gtest.h>

namespace {

TEST(TrayIcon, TheTipHoldsTheHintsFirst127CharactersOnlyWhenShown) {
  const std::string hint = std::string(127, 'a') + std::string(73, 'b');
  EXPECT_EQ(TrayTip(hint, true), std::string(127, 'a'));
  EXPECT_EQ(TrayTip("Ready", true), "Ready");
  EXPECT_EQ(TrayTip("Ready", false), "");
  EXPECT_EQ(TrayTip("", true), "");
}

TEST(TrayIcon, IconIndexesStayInTheListAndCycleBackToTheFirst) {
  EXPECT_EQ(TrayIconIndex(5, 3), 2);
  EXPECT_EQ(TrayIconIndex(1, 3), 1);
  EXPECT_EQ(TrayIconIndex(-1, 3), 0);
  EXPECT_EQ(TrayIconIndex(2, 0), 0);  // an empty list has no last icon
  EXPECT_EQ(NextTrayIconIndex(0, 3), 1);
  EXPECT_EQ(NextTrayIconIndex(2, 3), 0);
  EXPECT_EQ(NextTrayIconIndex(0, 0), 0);
}

TEST(TrayIcon, AClickWaitsForTheDoubleClickTimeAndADoubleClickIsNoClick) {
  TspTrayClicks single;
  single.LeftDown();
  EXPECT_TRUE(single.Timing());
  EXPECT_FALSE(single.LeftUp());
  EXPECT_TRUE(single.TimeUp());
  EXPECT_FALSE(single.Timing());

  // The system's order: press, release, double-click, release.
  TspTrayClicks twice;
  twice.LeftDown();
  EXPECT_FALSE(twice.LeftUp());
  twice.DoubleClick();
  EXPECT_FALSE(twice.LeftUp());
  EXPECT_FALSE(twice.TimeUp());
  // The next single click counts again.
  twice.LeftDown();
  EXPECT_FALSE(twice.LeftUp());
  EXPECT_TRUE(twice.TimeUp());

  // Released after the time ran out: a click at once, and none later.
  TspTrayClicks slow;
  slow.LeftDown();
  EXPECT_FALSE(slow.TimeUp());
  EXPECT_TRUE(slow.LeftUp());
  EXPECT_FALSE(slow.TimeUp());
  // A release without a press is no click.
  TspTrayClicks stray;
  EXPECT_FALSE(stray.LeftUp());
  EXPECT_FALSE(stray.TimeUp());
}

}  // namespace
