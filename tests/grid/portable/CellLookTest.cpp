#include "grid/portable/GridCellLook.h"

#include <gtest/gtest.h>

namespace {

using K = TGridCellKind;

TEST(GridCellLook, DrawStatesShowTheirPicturesAndMissingRectanglesBorrow) {
  const std::pair<TGridDrawState, K> states[] = {
      {{gdFixed, gdSelected}, K::Fixed}, {{gdDisabled, gdHighlighted}, K::Disabled},
      {{gdSelected}, K::Selected},       {{gdFocused}, K::Selected},
      {{gdHighlighted}, K::Selected},    {{gdSelected, gdNotSelected}, K::Normal}, {{}, K::Normal}};
  for (const auto& [state, kind] : states) EXPECT_EQ(GridCellKind(state), kind) << state.Bits();

  const TRect a{0, 0, 40, 18}, b{40, 0, 80, 18}, c{80, 0, 120, 18};
  EXPECT_EQ(WithFallbacks({a, {}, b, c}).Normal, b);
  const TGridCellRects sparse = WithFallbacks({a, b, {}, {}});
  EXPECT_EQ(sparse.Of(K::Selected), b);
  EXPECT_EQ(sparse.Of(K::Disabled), b);
  EXPECT_EQ(WithFallbacks({a, b, c, a}).Of(K::Selected), c);
}

TEST(GridCellLook, TextGoesIntoTheSkinsTextRectangleGrownWithTheCell) {
  const TRect skin{0, 0, 40, 18}, text{4, 1, 36, 17};
  // A cell 100 wide at (10, 20): 60 pixels wider than the picture; stretched to 30 high,
  // 12 taller than the fixed picture.
  EXPECT_EQ(GridTextRect(Bounds(10, 20, 100, 18), skin, text, 18, false), Bounds(14, 21, 92, 16));
  EXPECT_EQ(GridTextRect(Bounds(10, 20, 100, 30), skin, text, 18, true), Bounds(14, 21, 92, 28));
  EXPECT_EQ(GridTextRect(Bounds(10, 20, 100, 30), skin, {}, 18, true), Bounds(10, 20, 100, 30));
  EXPECT_EQ(CentredTextTop(Bounds(0, 10, 50, 17), 14), 10 + 8 - 7);
}

}  // namespace
