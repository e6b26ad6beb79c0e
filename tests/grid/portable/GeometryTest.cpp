#include "TestGrid.h"

#include "grid/portable/GridPaintPlan.h"
#include "grid/portable/GridSizing.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

// An axis of rows 24 high with a 1-pixel line, one fixed row.
TGridAxisDrawInfo RowAxis(const TGridExtents& Heights, int32_t Extent, int32_t First = 1, int32_t Count = 21,
                          int32_t Line = 1) {
  TGridAxisDrawInfo axis;
  axis.EffectiveLineWidth = Line;
  axis.GridExtent = Extent;
  axis.FixedCellCount = 1;
  axis.FirstGridCell = First;
  axis.GridCellCount = Count;
  axis.Extents = &Heights;
  CalcAxisBoundaries(axis);
  return axis;
}

TEST(GridGeometry, AxisBoundariesCountTheCellsThatEndWithinTheClient) {
  const TGridExtents heights(24);
  struct Case {
    int32_t Extent, First, Count, Line;
    int32_t FixedBoundary, GridBoundary, LastFull, FullVis;
  };
  const Case cases[] = {
      {200, 1, 21, 1, 25, 200, 7, 200},   // row 8 is cut by the client's edge
      {199, 1, 21, 1, 25, 199, 7, 200},   // only row 7's line lies outside
      {198, 1, 21, 1, 25, 198, 6, 175},
      {200, 14, 21, 1, 25, 200, 20, 200}, // scrolled to the end: every row fits
      {200, 1, 4, 1, 25, 100, 3, 100},    // all rows fit
      {200, 1, 21, 0, 24, 200, 7, 192},   // no lines
      {20, 1, 21, 1, 25, 20, 0, 25},      // not even one row fits
  };
  for (const Case& c : cases) {
    const TGridAxisDrawInfo a = RowAxis(heights, c.Extent, c.First, c.Count, c.Line);
    EXPECT_EQ(std::tuple(a.FixedBoundary, a.GridBoundary, a.LastFullVisibleCell, a.FullVisBoundary),
              std::tuple(c.FixedBoundary, c.GridBoundary, c.LastFull, c.FullVis))
        << c.Extent << "/" << c.First;
  }
}

TEST(GridGeometry, PointsMapToTheCellWhoseEndLiesBeyondThem) {
  const TGridExtents heights(24);
  const TGridAxisDrawInfo top = RowAxis(heights, 200);
  const TGridAxisDrawInfo scrolled = RowAxis(heights, 200, 13);
  struct Case {
    const TGridAxisDrawInfo* Axis;
    int32_t Pos, Cell;
  };
  const Case cases[] = {{&top, 0, 0},       {&top, 24, 0},       {&top, 25, 1},  {&top, 199, 7},
                        {&top, 200, 8},     {&top, 524, 20},     {&top, 525, -1}, {&scrolled, 30, 13},
                        {&scrolled, 10, 0}, {&scrolled, -5, 0}};
  for (const Case& c : cases) EXPECT_EQ(CalcAxisCell(*c.Axis, c.Pos), c.Cell) << c.Pos;

  TTestGrid grid;
  grid.SetDataRowCount(20);
  EXPECT_EQ(grid.MouseCoord(70, 30), (TGridCoord{1, 1}));
  EXPECT_EQ(grid.MouseCoord(250, 30), (TGridCoord{-1, 1}));  // right of the last column
  grid.RightToLeft = true;
  EXPECT_EQ(grid.MouseCoord(235, 30), (TGridCoord{0, 1}));
  EXPECT_EQ(grid.MouseCoord(234, 30), (TGridCoord{1, 1}));
}

TEST(GridGeometry, TheLargestTopLeftStillFillsTheView) {
  TGridExtents heights(24);
  const TGridAxisDrawInfo axis = RowAxis(heights, 200);
  EXPECT_EQ(CalcMaxCell(axis, 20), 14);
  EXPECT_EQ(CalcMaxCell(axis, 3), 1);
  heights.Set(15, 0, 21);  // a hidden row takes no room
  EXPECT_EQ(CalcMaxCell(RowAxis(heights, 200), 20), 13);
  heights.Set(20, 500, 21);  // a row taller than the view is its own top
  EXPECT_EQ(CalcMaxCell(RowAxis(heights, 200), 20), 20);
}

TEST(GridGeometry, ScreenRectanglesCoverTheVisiblePartOfARange) {
  TTestGrid grid;
  grid.SetDataRowCount(20);
  TGridDrawInfo drawInfo;
  grid.CalcDrawInfo(drawInfo);
  struct Case {
    TGridRect Cells;
    bool IncludeLine;
    TRect Screen;
  } const atTop[] = {
      {{1, 1, 1, 1}, false, {65, 25, 129, 49}},
      {{1, 1, 1, 1}, true, {65, 25, 130, 50}},
      {{0, 0, 2, 20}, false, {0, 0, 194, 200}},  // down to the row the edge cuts
      {{2, 9, 2, 12}, false, {}},                // beyond the partly visible row
      {{2, 3, 1, 3}, false, {}},                 // reversed
  };
  for (const Case& c : atTop)
    EXPECT_EQ(GridRectToScreenRect(c.Cells, drawInfo, c.IncludeLine, false), c.Screen) << c.Cells.Top;
  EXPECT_EQ(GridRectToScreenRect({1, 1, 1, 1}, drawInfo, false, true), (TRect{171, 25, 235, 49}));

  grid.MoveTopLeft(1, 5);
  grid.CalcDrawInfo(drawInfo);
  EXPECT_EQ(GridRectToScreenRect({1, 2, 1, 3}, drawInfo, false, false), TRect{});  // scrolled away
  EXPECT_EQ(GridRectToScreenRect({1, 3, 1, 6}, drawInfo, false, false), (TRect{65, 25, 129, 74}));
  EXPECT_EQ(grid.RowRepaintRect(6), (TGridRect{0, 6, 3, 6}));
  EXPECT_EQ(grid.ColumnRepaintRect(0), (TGridRect{0, 0, 0, 12}));
}

// Where a menu opened from the keyboard goes: the focused cell, or the visible part of
// its row in a row-select grid.
TEST(GridGeometry, TheFocusedCellBoxIsWhatShowsOfTheFocusedCellOrRow) {
  TTestGrid grid;  // three columns 64 wide with lines, rows selected whole
  grid.SetDataRowCount(20);
  EXPECT_EQ(grid.FocusedCellBox(), (TRect{65, 25, 194, 49}));  // the row's cells after the fixed one
  grid.SetOptions(DefaultGridOptions - TGridOptions{goRowSelect});
  EXPECT_EQ(grid.FocusedCellBox(), (TRect{65, 25, 129, 49}));  // the cell alone
  grid.SetColCount(6);
  grid.SetOptions(TTestGrid::FileListOptions);  // no lines
  EXPECT_EQ(grid.FocusedCellBox(), (TRect{64, 24, 300, 48}));  // to the client's edge
  grid.MoveTopLeft(2, 1);
  EXPECT_EQ(grid.FocusedCellBox(), (TRect{64, 24, 300, 48}));  // from the first column in view
  grid.MoveTopLeft(1, 5);
  EXPECT_EQ(grid.FocusedCellBox(), TRect{});  // scrolled away
  grid.SetRow(7);
  EXPECT_EQ(grid.FocusedCellBox(), (TRect{64, 72, 300, 96}));
}

TEST(GridPaintPlan, RangesSplitAtTheFixedCellsAndPlaceEachCell) {
  using Parts = std::vector<TGridPart>;
  EXPECT_EQ(SplitGridRect({0, 0, 2, 19}, 1, 1, {1, 5}),
            (Parts{{{0, 0, 0, 0}, true}, {{1, 0, 2, 0}, true}, {{0, 5, 0, 19}, true}, {{1, 5, 2, 19}, false}}));
  EXPECT_EQ(SplitGridRect({0, 0, 3, 3}, 2, 2, {2, 2}),
            (Parts{{{0, 0, 1, 1}, true}, {{2, 0, 3, 1}, true}, {{0, 2, 1, 3}, true}, {{2, 2, 3, 3}, false}}));
  EXPECT_EQ(SplitGridRect({2, 3, 2, 4}, 1, 1, {1, 1}), (Parts{{{2, 3, 2, 4}, false}}));
  EXPECT_EQ(SplitGridRect({1, 0, 2, 0}, 1, 1, {1, 1}), (Parts{{{1, 0, 2, 0}, true}}));

  TTestGrid grid;
  grid.SetDataRowCount(20);
  grid.MoveTopLeft(1, 5);
  TGridDrawInfo drawInfo;
  grid.CalcDrawInfo(drawInfo);
  const std::vector<TGridCellPlace> cells = PlaceGridCells({1, 2, 2, 6}, drawInfo);
  ASSERT_EQ(cells.size(), 4u);  // rows 2 to 4 are scrolled away
  EXPECT_EQ(cells[0].Row, 5);
  EXPECT_EQ(cells[0].Rect, (TRect{65, 25, 129, 49}));
  EXPECT_EQ(cells[3].Col, 2);
  EXPECT_EQ(cells[3].Rect, (TRect{130, 50, 194, 74}));
  EXPECT_EQ(EmptyGridAreas(drawInfo), (std::vector<TRect>{{195, 0, 301, 200}}));
}

TEST(GridPaintPlan, DrawStatesFollowTheFocusAndTheFlags) {
  // Selectable, selected, grid focused, in the current row and column, FocusOnRow.
  auto look = [](bool Selectable, bool Selected, bool Focused, bool Row, bool Col, bool OnRow) {
    return TCellLook{Selectable, Selected, Focused, Row, Col, !OnRow, OnRow};
  };
  const std::pair<TCellLook, TGridDrawState> cases[] = {
      {look(true, false, true, true, true, false), {gdHighlighted}},
      {look(true, true, true, true, false, false), {gdFocused}},
      {look(true, false, true, true, false, true), {gdHighlighted}},
      {look(true, false, false, true, true, false), {gdNotSelected}},
      {look(true, true, true, false, true, false), {gdSelected}},
      {look(false, false, true, true, true, false), {gdDisabled, gdHighlighted}},
      {look(false, true, false, true, true, false), {gdDisabled}},
  };
  for (const auto& [cellLook, state] : cases) EXPECT_EQ(CellDrawState({}, cellLook).Bits(), state.Bits());
  EXPECT_EQ(CellDrawState({gdFixed}, cases[0].first).Bits(), TGridDrawState{gdFixed}.Bits());
}

TEST(GridSizing, BordersAreCaughtWithinSevenPixelsInTheFixedCells) {
  TTestGrid grid;
  grid.SetDataRowCount(20);
  grid.SetOptions(grid.Options() + TGridOptions{goColSizing, goRowSizing});
  const std::pair<TPoint, TGridSizingState> cases[] = {
      {{126, 10}, {gsColSizing, 1, 129, 3}},  // 3 pixels left of column 1's border
      {{125, 10}, {}},                        // 4 pixels left
      {{132, 10}, {gsColSizing, 1, 129, -3}},
      {{126, 30}, {}},                        // column borders only in the fixed rows
      {{10, 46}, {gsRowSizing, 1, 49, 3}},
      {{100, 46}, {}},                        // row borders only in the fixed columns
      {{10, 10}, {}},                         // the fixed corner
  };
  TGridDrawInfo drawInfo;
  grid.CalcDrawInfo(drawInfo);
  for (const auto& [point, sizing] : cases)
    EXPECT_TRUE(CalcSizingState(point, drawInfo, grid.Options(), false) == sizing) << point.X << "," << point.Y;
  // Mirrored, and the border a cut row hides is caught at the client's edge.
  EXPECT_EQ(CalcSizingState({174, 10}, drawInfo, grid.Options(), true).Index, 1);
  EXPECT_EQ(CalcSizingState({10, 10}, drawInfo, TGridOptions{}, false).State, gsNormal);
  grid.Client.cy = 190;
  grid.CalcDrawInfo(drawInfo);
  EXPECT_TRUE(CalcSizingState({10, 188}, drawInfo, grid.Options(), false) == (TGridSizingState{gsRowSizing, 7, 190, 2}));
  EXPECT_EQ(ResizeLine(drawInfo.Horz, 2, 150), 20);
}

TEST(GridSizing, MovedLinesKeepOtherIndexesOnTheirLines) {
  struct Case {
    int32_t Index, From, To, Result;
  };
  const Case cases[] = {{5, 5, 2, 2}, {2, 5, 2, 3}, {4, 5, 2, 5}, {6, 5, 2, 6}, {1, 5, 2, 1},
                        {2, 2, 5, 5}, {3, 2, 5, 2}, {5, 2, 5, 4}, {6, 2, 5, 6}};
  for (const Case& c : cases) {
    int32_t index = c.Index;
    MoveAdjust(index, c.From, c.To);
    EXPECT_EQ(index, c.Result) << c.Index << " " << c.From << "->" << c.To;
  }
  TTestGrid grid;
  grid.SetDataRowCount(20);
  TGridDrawInfo drawInfo;
  grid.CalcDrawInfo(drawInfo);
  EXPECT_EQ(TimedScrollDirection({10, 10}, drawInfo, false), sdLeft | sdUp);
  EXPECT_EQ(TimedScrollDirection({250, 210}, drawInfo, false), sdRight | sdDown);
  EXPECT_EQ(TimedScrollDirection({150, 100}, drawInfo, false), 0);
  EXPECT_EQ(TimedScrollDirection({250, 100}, drawInfo, true), sdLeft);  // mirrored
  EXPECT_EQ(TimedScrollDirection({100, 100}, drawInfo, true), sdRight);
}

}  // namespace
