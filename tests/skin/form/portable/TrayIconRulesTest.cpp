#include "skin/form/portable/TrayIconRules.h"

#include <gtest/gtest.h>

namespace {

TEST(TrayIcon, TheTipAndTheIconIndexStayWithinTheirBounds) {
  EXPECT_EQ(TrayTip(std::string(127, 'a') + std::string(73, 'b'), true), std::string(127, 'a'));
  EXPECT_EQ(TrayTip("Ready", false), "");
  EXPECT_EQ(TrayIconIndex(5, 3), 2);
  EXPECT_EQ(TrayIconIndex(-1, 3), 0);
  EXPECT_EQ(TrayIconIndex(2, 0), 0);  // an empty list has no last icon
  EXPECT_EQ(NextTrayIconIndex(2, 3), 0);
  EXPECT_EQ(NextTrayIconIndex(0, 0), 0);
}

TEST(TrayIcon, AClickWaitsForTheDoubleClickTimeAndADoubleClickIsNoClick) {
  TspTrayClicks clicks;
  clicks.LeftDown();
  EXPECT_FALSE(clicks.LeftUp());
  EXPECT_TRUE(clicks.TimeUp());
  // The system's order: press, release, double-click, release.
  clicks.LeftDown();
  EXPECT_FALSE(clicks.LeftUp());
  clicks.DoubleClick();
  EXPECT_FALSE(clicks.LeftUp());
  EXPECT_FALSE(clicks.TimeUp());
  // Released after the time ran out: a click at once, and none later.
  clicks.LeftDown();
  EXPECT_FALSE(clicks.TimeUp());
  EXPECT_TRUE(clicks.LeftUp());
  EXPECT_FALSE(clicks.TimeUp());
}

}  // namespace
