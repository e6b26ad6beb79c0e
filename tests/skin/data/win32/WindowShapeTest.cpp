#include "skin/data/win32/WindowShape.h"

#include "UiTest.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowShape, NoRegionTakesTheHeldOneAwayAndLeavesAWindowWithoutOneAlone) {
  HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 20, 20, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(ShapeWindow(window, TRegion(CreateRectRgn(2, 3, 8, 9)), false));
  EXPECT_TRUE(HasWindowRegion(window));
  EXPECT_TRUE(ShapeWindow(window, nullptr, false));
  EXPECT_FALSE(HasWindowRegion(window));
  // Again: nothing to take away, so the window is not even moved to be redrawn.
  const TSentMessages sent({WM_WINDOWPOSCHANGED});
  EXPECT_TRUE(ShapeWindow(window, nullptr, true));
  EXPECT_EQ(sent.Count(window, WM_WINDOWPOSCHANGED), 0);
  EXPECT_FALSE(HasWindowRegion(window));
  DestroyWindow(window);
}

}  // namespace
