#include "grid/portable/GridCellLook.h"
#include "grid/portable/GridPaintPlan.h"

#include <gtest/gtest.h>

namespace {

using K = TGridCellKind;

TEST(GridCellLook, EachDrawStateShowsOneOfTheFourPictures) {
  struct Case {
    TGridDrawState State;
    K Kind;
  };
  const Case cases[] = {
      {{gdFixed}, K::Fixed},
      {{gdFixed, gdSelected}, K::Fixed},
      {{gdDisabled, gdHighlighted}, K::Disabled},
      {{gdSelected}, K::Selected},
      {{gdFocused}, K::Selected},
      {{gdHighlighted}, K::Selected},
      {{gdNotSelected}, K::Normal},
      {{gdSelected, gdNotSelected}, K::Normal},
      {{}, K::Normal},
  };
  for (const Case& c : cases) EXPECT_EQ(GridCellKind(c.State), c.Kind) << c.State.Bits();
}

TEST(GridCellLook, TheDrawStatesOfAFocusedRowFollowTheFocusOptions) {
  TCellLook look;
  look.GridFocused = look.InCurrentRow = true;
  EXPECT_EQ(GridCellKind(CellDrawState({}, look)), K::Selected);  // focused, not in the current column
  look.InCurrentCol = true;
  EXPECT_EQ(CellDrawState({}, look), (TGridDrawState{gdHighlighted}));
  look.FocusOnCell = false;
  EXPECT_EQ(CellDrawState({}, look), (TGridDrawState{gdFocused}));
  look.FocusOnRow = true;
  look.InCurrentCol = false;
  EXPECT_EQ(CellDrawState({}, look), (TGridDrawState{gdHighlighted}));
  look.Selectable = false;
  EXPECT_EQ(CellDrawState({}, look), (TGridDrawState{gdDisabled, gdHighlighted}));
  look.GridFocused = false;
  look.Selectable = look.Selected = true;
  EXPECT_EQ(CellDrawState({}, look), (TGridDrawState{gdSelected}));
}

TEST(GridCellLook, MissingCellRectanglesBorrowFromTheirNeighbours) {
  const TRect a{0, 0, 40, 18}, b{40, 0, 80, 18}, c{80, 0, 120, 18};
  EXPECT_EQ(WithFallbacks({a, {}, b, c}).Normal, b);
  const TGridCellRects sparse = WithFallbacks({a, b, {}, {}});
  EXPECT_EQ(sparse.Selected, b);
  EXPECT_EQ(sparse.Disabled, b);
  EXPECT_EQ(sparse.Of(K::Fixed), a);
  const TGridCellRects full = WithFallbacks({a, b, c, a});
  EXPECT_EQ(full.Of(K::Selected), c);
  EXPECT_EQ(full.Of(K::Disabled), a);
}

TEST(GridCellLook, TextGoesIntoTheSkinsTextRectangleGrownWithTheCell) {
  const TRect skin{0, 0, 40, 18};
  const TRect text{4, 1, 36, 17};
  // A cell 100 x 18 at (10, 20): 60 pixels wider than the picture.
  EXPECT_EQ(GridTextRect(Bounds(10, 20, 100, 18), skin, text, 18, false), Bounds(14, 21, 92, 16));
  // Stretched to 30 high, the text rectangle grows by what the cell is taller.
  EXPECT_EQ(GridTextRect(Bounds(10, 20, 100, 30), skin, text, 18, true), Bounds(14, 21, 92, 28));
  EXPECT_EQ(GridTextRect(Bounds(10, 20, 100, 30), skin, {}, 18, true), Bounds(10, 20, 100, 30));
  EXPECT_EQ(CentredTextTop(Bounds(0, 10, 50, 17), 14), 10 + 8 - 7);
  EXPECT_EQ(CentredTextTop(Bounds(0, 10, 50, 16), 15), 10 + 8 - 7);
}

}  // namespace
