// Where a menu opened from the keyboard goes.
#include "classlib/portable/KeyboardMenus.h"

#include <gtest/gtest.h>

namespace {

// A grid 300 x 200 whose focused row is 16 pixels high.
TEST(KeyboardMenus, AKeyboardMenuGoesBelowItsAnchorInViewElseToTheMiddle) {
  const TRect client = Bounds(0, 0, 300, 200);
  EXPECT_EQ(KeyboardMenuPlace(client, Bounds(0, 48, 300, 16)), (TPoint{0, 64}));
  EXPECT_EQ(KeyboardMenuPlace(client, Bounds(40, 20, 1, 13)), (TPoint{40, 33}));  // a caret
  // Partly shown: held to the client area.
  EXPECT_EQ(KeyboardMenuPlace(client, Bounds(-30, 190, 100, 16)), (TPoint{0, 200}));
  // No anchor, or one out of view (a row scrolled away, a caret beyond the edge).
  EXPECT_EQ(KeyboardMenuPlace(client, TRect{}), (TPoint{150, 100}));
  EXPECT_EQ(KeyboardMenuPlace(client, Bounds(0, 200, 300, 16)), (TPoint{150, 100}));
  EXPECT_EQ(KeyboardMenuPlace(client, Bounds(-5, 10, 1, 13)), (TPoint{150, 100}));
  EXPECT_EQ(KeyboardMenuPlace(Bounds(10, 20, 31, 11), TRect{}), (TPoint{25, 25}));
}

}  // namespace
