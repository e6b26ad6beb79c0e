// Where a menu level goes: every rule of the first level and of submenus, in a work area
// that does not start at the screen's corner.
#include "skin/menus/portable/MenuPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(LevelPosition, FollowsTheAnchorInsideTheWorkArea) {
  constexpr TRect workArea{0, 30, 800, 630};  // a task bar above: the middle is y = 330
  enum TKind { Below, Above, Submenu, TooHigh, ByCount };
  const struct {
    const char* Name;
    TKind Kind;
    TRect Anchor;
    int32_t Height;
    TPoint Expected;
  } cases[] = {
      {"below, at the anchor's left", Below, {50, 80, 150, 100}, 200, {50, 100}},
      {"below, pushed in from the right", Below, {750, 80, 790, 100}, 200, {700, 100}},
      {"below, never left of the work area", Below, {-20, 80, 40, 100}, 200, {0, 100}},
      {"no room below: above", Below, {50, 500, 150, 520}, 200, {50, 300}},
      {"neither, upper half: overlapping, beside", Below, {50, 100, 150, 120}, 550, {151, 80}},
      {"overlapping at the right edge: left of it", Below, {650, 100, 750, 120}, 550, {549, 80}},
      {"neither, lower half: at the top, beside", Below, {50, 500, 150, 520}, 550, {151, 30}},
      {"above", Above, {50, 400, 150, 420}, 200, {50, 200}},
      {"no room above, upper half: below", Above, {50, 100, 150, 120}, 200, {50, 120}},
      {"neither above nor below, upper half", Above, {50, 100, 150, 120}, 550, {151, 80}},
      {"no room above, lower half: at the top", Above, {50, 400, 150, 420}, 550, {151, 30}},
      {"submenu: first item level with its parent", Submenu, {200, 100, 300, 120}, 200, {301, 97}},
      {"submenu near the bottom: upwards", Submenu, {200, 500, 300, 520}, 200, {301, 323}},
      {"submenu too high, upper half: at the bottom", Submenu, {200, 100, 300, 120}, 550, {301, 80}},
      {"submenu without room at the right", Submenu, {700, 100, 790, 120}, 200, {599, 97}},
      {"too high for the work area: its top, beside", TooHigh, {50, 80, 150, 100}, 600, {151, 30}},
      {"scrolling by count: as if it fitted", ByCount, {50, 80, 150, 100}, 126, {50, 100}},
      {"saturated, never overflowing", Submenu, {2147483000, 0, 2147483647, 10}, 200, {2147483000 - 101, -3}},
  };
  for (const auto& c : cases) {
    const TspLevelPlacement p{c.Anchor,           workArea, {100, c.Height}, 3, c.Kind == Submenu, c.Kind == Above,
                              c.Kind >= TooHigh, c.Kind == ByCount};
    EXPECT_EQ(LevelPosition(p), c.Expected) << c.Name;
  }
}

}  // namespace
