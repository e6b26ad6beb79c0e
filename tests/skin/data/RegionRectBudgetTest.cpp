#include "skin/data/RegionRectBudget.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// One budget for every window: what one holds, the others cannot take; a window reshaped
// holds its new count in place of the old, and one gone gives its rectangles back.
TEST(RegionRectBudget, WindowsShareOneBudgetAndGiveBackWhatTheyHeldWhenReshapedOrGone) {
  TRegionRectBudget budget(100);
  EXPECT_EQ(budget.LeftFor(1), 100u);
  budget.Hold(1, 60);
  EXPECT_EQ(budget.LeftFor(2), 40u);
  EXPECT_EQ(budget.LeftFor(1), 100u);  // its own come back when it is reshaped
  budget.Hold(2, 40);
  EXPECT_EQ(budget.Held(), 100u);
  EXPECT_EQ(budget.LeftFor(3), 0u);
  EXPECT_THROW(budget.Hold(3, 1), ERangeError);
  EXPECT_EQ(budget.Held(), 100u);

  budget.Hold(1, 10);  // reshaped smaller
  EXPECT_EQ(budget.LeftFor(3), 50u);
  budget.Hold(2, 0);  // no region now
  EXPECT_EQ(budget.LeftFor(3), 90u);
  budget.Hold(3, 90);
  EXPECT_EQ(budget.Held(), 100u);

  const std::set<uintptr_t> gone{3, 7};
  budget.ForgetGone([&](uintptr_t Window) { return gone.count(Window) != 0; });
  EXPECT_EQ(budget.Held(), 10u);
  EXPECT_EQ(budget.LeftFor(2), 90u);
  budget.ForgetGone([](uintptr_t) { return true; });
  EXPECT_EQ(budget.Held(), 0u);
}

}  // namespace
