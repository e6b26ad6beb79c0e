// Where a menu level goes: every rule of the first level and of submenus, in a work area
// that does not start at the screen's corner.
#include "skin/menus/portable/MenuPlacement.h"

#include <gtest/gtest.h>

namespace {

constexpr TRect WorkArea{0, 30, 800, 630};  // a task bar above: the middle is y = 330

struct TCase {
  const char* Name;
  TRect Anchor;
  TSize Size;
  bool IsSubmenu, PopupUp, ScrollMode, ScrollByCount;
  TPoint Expected;
};

TEST(LevelPosition, FollowsTheAnchorInsideTheWorkArea) {
  const TCase cases[] = {
      {"below, at the anchor's left", {50, 80, 150, 100}, {100, 200}, false, false, false, false, {50, 100}},
      {"below, pushed in from the right", {750, 80, 790, 100}, {100, 200}, false, false, false, false, {700, 100}},
      {"below, never left of the work area", {-20, 80, 40, 100}, {100, 200}, false, false, false, false, {0, 100}},
      {"below without room: above", {50, 500, 150, 520}, {100, 200}, false, false, false, false, {50, 300}},
      {"below nor above, upper half: overlaps, beside",
       {50, 100, 150, 120}, {100, 550}, false, false, false, false, {151, 80}},
      {"overlapping at the right edge: left of the anchor",
       {650, 100, 750, 120}, {100, 550}, false, false, false, false, {549, 80}},
      {"below nor above, lower half: at the top, beside",
       {50, 500, 150, 520}, {100, 550}, false, false, false, false, {151, 30}},
      {"above", {50, 400, 150, 420}, {100, 200}, false, true, false, false, {50, 200}},
      {"above without room, upper half: below", {50, 100, 150, 120}, {100, 200}, false, true, false, false, {50, 120}},
      {"above nor below, upper half: overlaps, beside",
       {50, 100, 150, 120}, {100, 550}, false, true, false, false, {151, 80}},
      {"above without room, lower half: at the top, beside",
       {50, 400, 150, 420}, {100, 550}, false, true, false, false, {151, 30}},
      {"submenu: first item level with its parent", {200, 100, 300, 120}, {100, 200}, true, false, false, false,
       {301, 97}},
      {"submenu near the bottom: upwards, last item level with its parent",
       {200, 500, 300, 520}, {100, 200}, true, false, false, false, {301, 323}},
      {"submenu too high in the upper half: at the bottom", {200, 100, 300, 120}, {100, 550}, true, false, false,
       false, {301, 80}},
      {"submenu without room at the right: left of its parent", {700, 100, 790, 120}, {100, 200}, true, false, false,
       false, {599, 97}},
      {"too high for the work area: at its top, beside", {50, 80, 150, 100}, {100, 600}, false, false, true, false,
       {151, 30}},
      {"scrolling by count: placed as if it fitted", {50, 80, 150, 100}, {100, 126}, false, false, true, true,
       {50, 100}},
  };
  for (const TCase& c : cases) {
    const TspLevelPlacement p{c.Anchor, WorkArea, c.Size, 3, c.IsSubmenu, c.PopupUp, c.ScrollMode, c.ScrollByCount};
    EXPECT_EQ(LevelPosition(p), c.Expected) << c.Name;
  }
}

TEST(LevelPosition, ExtremeAnchorsSaturateInsteadOfOverflowing) {
  const TspLevelPlacement p{{2147483000, 0, 2147483647, 10}, WorkArea, {100, 200}, 3, true, false, false, false};
  const TPoint at = LevelPosition(p);
  EXPECT_EQ(at.X, 2147483000 - 101);
}

}  // namespace
