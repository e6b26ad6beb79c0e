#include "TestGrid.h"

#include "base/Exceptions.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Rows = std::vector<int32_t>;

TEST(ScrollArithmetic, MultiplyDivideRoundsHalvesAwayFromZero) {
  struct Case {
    int32_t Number, Numerator, Denominator, Result;
  };
  const Case cases[] = {{5, 3, 2, 8},   {-5, 3, 2, -8},  {5, -3, 2, -8},          {5, 3, -2, -8}, {1, 1, 2, 1},
                        {10, 127, 12, 106}, {7, 1, 0, -1}, {1 << 30, 4, 1, -1}};
  for (const Case& c : cases)
    EXPECT_EQ(RoundedMulDiv(c.Number, c.Numerator, c.Denominator), c.Result) << c.Number << "*" << c.Numerator;
}

TEST(ScrollArithmetic, ScrollCodesStepOverHiddenCellsAndStayWithinTheRange) {
  TGridExtents heights(24);
  heights.Set(6, 0, 21);
  TScrollAxisState axis;
  axis.First = 5;
  axis.Min = 1;
  axis.Max = 13;
  axis.PageUpCount = 4;
  axis.PageDownCount = 7;
  axis.Extents = &heights;
  struct Case {
    int Code;
    int32_t Pos;
    bool Tracking;
    int32_t Sign, First;
  };
  const Case cases[] = {
      {scLineUp, 0, false, 1, 4},         {scLineDown, 0, false, 1, 7},  // row 6 is hidden
      {scPageUp, 0, false, 1, 1},         {scPageDown, 0, false, 1, 12}, {scThumbPosition, 127, false, 1, 13},
      {scThumbPosition, 0, false, 1, 1},  {scThumbPosition, 64, false, 1, 7},
      {scThumbTrack, 64, false, 1, 5},    {scThumbTrack, 64, true, 1, 7},  {scTop, 0, false, 1, 1},
      {scBottom, 0, false, 1, 13},        {8, 0, false, 1, 5},               // not a scroll code
      {scLineUp, 0, false, -1, 7},        {scThumbPosition, 127, false, -1, 1},
  };
  for (const Case& c : cases) {
    axis.Sign = c.Sign;
    EXPECT_EQ(ScrollCodeTarget(axis, c.Code, c.Pos, c.Tracking), c.First) << "code " << c.Code;
  }
  axis.First = 10;
  axis.Sign = 1;
  EXPECT_EQ(ScrollCodeTarget(axis, scPageDown, 0, false), 13);
}

TEST(ScrollArithmetic, OneColumnScrollsByPixelsFromItsStartToItsEnd) {
  const TPixelScrollState state{50, 400, 235, 8, 1};
  struct Case {
    int Code;
    int32_t Pos, Offset;
  };
  const Case cases[] = {{scLineDown, 0, 58},        {scLineUp, 0, 42},    {scPageDown, 0, 165},
                        {scPageUp, 0, 0},           {scTop, 0, 0},        {scBottom, 0, 165},
                        {scThumbPosition, 30, 30}, {scThumbPosition, 999, 165}, {scThumbTrack, 30, 50}};
  for (const Case& c : cases) EXPECT_EQ(PixelScrollTarget(state, c.Code, c.Pos, false), c.Offset) << c.Code;
  EXPECT_EQ(PixelScrollTarget({0, 100, 235, 8, 1}, scBottom, 0, false), 0);  // the column fits

  EXPECT_EQ(CellScrollPosition(1, 1, 13), 0);
  EXPECT_EQ(CellScrollPosition(13, 1, 13), 127);
  EXPECT_EQ(CellScrollPosition(7, 1, 13), 64);
  EXPECT_EQ(CellScrollPosition(1, 1, 1), 0);
  EXPECT_EQ(ScrollStepSize(127, 135, 7, 1), 1);  // 127 rows beyond the view
  EXPECT_EQ(ScrollStepSize(127, 308, 7, 1), 1);  // 300: 127 div 300 is 0
  EXPECT_EQ(ScrollStepSize(127, 18, 7, 1), 12);
}

TEST(GridScrolling, CodesMoveTheTopRowAndTheWindowContents) {
  TTestGrid grid;
  grid.SetDataRowCount(20);
  grid.ModifyScrollBar(gbVertical, scLineDown, 0, false);
  EXPECT_EQ(grid.TopRow(), 2);
  // The rows below the fixed one move up by a row and its line.
  EXPECT_EQ(grid.Scrolls, (std::vector<TGridScrollArea>{{{0, 25, 300, 200}, 0, -25}}));
  EXPECT_EQ(grid.BarPositions[gbVertical], 10);

  const int invalidations = grid.Invalidations;
  grid.ModifyScrollBar(gbVertical, scThumbPosition, 127, false);
  EXPECT_EQ(grid.TopRow(), 14);
  EXPECT_EQ(grid.Scrolls.size(), 1u);  // a jump past the view repaints instead
  EXPECT_EQ(grid.Invalidations, invalidations + 1);
  EXPECT_EQ(grid.BarPositions[gbVertical], 127);
  grid.ModifyScrollBar(gbVertical, scPageUp, 0, false);
  EXPECT_EQ(grid.TopRow(), 8);

  TGridDrawInfo drawInfo;
  grid.CalcDrawInfo(drawInfo);
  EXPECT_EQ(ScrollAreas(-65, 0, drawInfo, true), (std::vector<TGridScrollArea>{{{0, 0, 235, 200}, 65, 0}}));
}

TEST(GridScrolling, AMoveWithinAnAreaCopiesWhatStaysAndUncoversTheRest) {
  const TRect area{10, 20, 110, 220};
  // A line down: the rows below move up, the bottom strip is uncovered.
  TScrollCopy copy = ScrollCopy({area, 0, -16});
  EXPECT_EQ(copy.Target, (TRect{10, 20, 110, 204}));
  EXPECT_EQ(copy.Source, (TPoint{10, 36}));
  EXPECT_EQ(copy.Uncovered, (TRect{10, 204, 110, 220}));
  copy = ScrollCopy({area, 0, 16});
  EXPECT_EQ(copy.Target, (TRect{10, 36, 110, 220}));
  EXPECT_EQ(copy.Source, (TPoint{10, 20}));
  EXPECT_EQ(copy.Uncovered, (TRect{10, 20, 110, 36}));
  copy = ScrollCopy({area, 30, 0});
  EXPECT_EQ(copy.Target, (TRect{40, 20, 110, 220}));
  EXPECT_EQ(copy.Source, (TPoint{10, 20}));
  EXPECT_EQ(copy.Uncovered, (TRect{10, 20, 40, 220}));
  copy = ScrollCopy({area, -30, 0});
  EXPECT_EQ(copy.Target, (TRect{10, 20, 80, 220}));
  EXPECT_EQ(copy.Source, (TPoint{40, 20}));
  EXPECT_EQ(copy.Uncovered, (TRect{80, 20, 110, 220}));
  // Along both axes the uncovered L is bounded by the whole area.
  copy = ScrollCopy({area, -30, 16});
  EXPECT_EQ(copy.Target, (TRect{10, 36, 80, 220}));
  EXPECT_EQ(copy.Source, (TPoint{40, 20}));
  EXPECT_EQ(copy.Uncovered, area);
  // A move as far as the area or farther leaves nothing to copy.
  for (const TGridScrollArea& far : {TGridScrollArea{area, 0, -200}, {area, 100, 0}, {area, -500, 7}}) {
    copy = ScrollCopy(far);
    EXPECT_TRUE(IsRectEmpty(copy.Target));
    EXPECT_EQ(copy.Uncovered, area);
  }
  copy = ScrollCopy({area, 0, 0});
  EXPECT_EQ(copy.Target, area);
  EXPECT_TRUE(IsRectEmpty(copy.Uncovered));
}

TEST(GridScrolling, RangesFollowTheRowsAndPullTheViewBack) {
  TTestGrid grid;
  grid.UpdateScrollRange();
  EXPECT_FALSE(grid.BarRanges[gbVertical].Visible);
  grid.SetDataRowCount(20);
  EXPECT_TRUE(grid.BarRanges[gbVertical].Visible);
  EXPECT_EQ(grid.BarRanges[gbVertical].Max, 127);
  EXPECT_EQ(grid.BarRanges[gbVertical].Step, 9);  // 127 div the 13 rows beyond the view

  grid.ModifyScrollBar(gbVertical, scBottom, 0, false);
  EXPECT_EQ(grid.TopRow(), 14);
  grid.Client.cy = 400;  // fifteen rows fit now
  grid.UpdateScrollRange();
  EXPECT_EQ(grid.TopRow(), 6);
  EXPECT_EQ(grid.BarPositions[gbVertical], 127);

  // One wide column scrolls by pixels.
  grid.SetFixedCols(0);
  grid.SetColCount(1);
  grid.SetColWidths(0, 500);
  EXPECT_TRUE(grid.BarRanges[gbHorizontal].Visible);
  EXPECT_EQ(grid.BarRanges[gbHorizontal].Max, 200);
  grid.ModifyScrollBar(gbHorizontal, scBottom, 0, false);
  EXPECT_EQ(grid.ColOffset(), 200);
  EXPECT_EQ(grid.BarPositions[gbHorizontal], 200);
  grid.ModifyScrollBar(gbHorizontal, scTop, 0, false);
  EXPECT_EQ(grid.ColOffset(), 0);
}

TGridKeyShift With(bool Shift, bool Ctrl = false) { return {Shift, Ctrl, false}; }

TEST(GridKeys, KeysMoveTheCurrentRowAndTheView) {
  struct Case {
    std::vector<std::pair<uint16_t, TGridKeyShift>> Keys;
    int32_t Row, TopRow;
    Rows Selected;
  };
  const std::vector<Case> cases = {
      {{{GridKey::Down, {}}}, 2, 1, {1}},
      {{{GridKey::Down, {}}, {GridKey::Down, With(true)}, {GridKey::Down, With(true)}}, 4, 1, {1, 2, 3}},
      {{{GridKey::PageDown, {}}}, 7, 1, {6}},                        // to the bottom row
      {{{GridKey::PageDown, {}}, {GridKey::PageDown, {}}}, 13, 7, {12}},  // a page on
      {{{GridKey::End, {}}}, 20, 14, {19}},
      {{{GridKey::End, {}}, {GridKey::Home, {}}}, 1, 1, {0}},
      {{{GridKey::Down, With(false, true)}}, 1, 2, {0}},             // the view alone
      {{{GridKey::PageDown, With(false, true)}}, 7, 1, {6}},
      {{{GridKey::Up, {}}}, 1, 1, {0}},                              // kept within the grid
  };
  for (const Case& c : cases) {
    TTestGrid grid;
    grid.SetDataRowCount(20);
    grid.SetOptions(TTestGrid::FileListOptions);
    for (auto [key, shift] : c.Keys) grid.MoveByKey(key, shift);
    EXPECT_EQ(grid.Row(), c.Row) << c.Keys.size();
    EXPECT_EQ(grid.TopRow(), c.TopRow) << c.Keys.size();
    EXPECT_EQ(grid.GetSelectedRows(), c.Selected) << c.Keys.size();
  }
}

TEST(GridKeys, TabWalksTheTabStopsAcrossRows) {
  TTestGrid grid;
  grid.SetDataRowCount(3);
  grid.SetOptions({goTabs});
  grid.MoveCurrent(2, 1, true, false);
  grid.MoveByKey(GridKey::Tab, {});
  EXPECT_EQ(grid.CurrentCell(), (TGridCoord{1, 2}));
  grid.MoveByKey(GridKey::Tab, With(true));
  EXPECT_EQ(grid.CurrentCell(), (TGridCoord{2, 1}));
  grid.SetTabStops(2, false);
  grid.MoveCurrent(1, 3, true, false);
  grid.MoveByKey(GridKey::Tab, {});
  EXPECT_EQ(grid.CurrentCell(), (TGridCoord{1, 1}));  // past the last row to the first
  grid.RightToLeft = true;
  grid.MoveByKey(GridKey::Left, {});
  EXPECT_EQ(grid.CurrentCell(), (TGridCoord{2, 1}));
}

TEST(GridKeys, TheWheelMovesOneRowAndIsAlwaysHandled) {
  TTestGrid grid;
  grid.SetDataRowCount(2);
  const std::pair<bool, int32_t> steps[] = {{true, 2}, {true, 2}, {false, 1}, {false, 1}};
  for (auto [down, row] : steps) {
    EXPECT_TRUE(grid.MoveByWheel(down));
    EXPECT_EQ(grid.Row(), row);
  }
}

// Client points of a cell's middle in the default layout: columns 65 wide, rows 25 high.
TPoint At(int32_t Col, int32_t Row) { return {Col * 65 + 30, Row * 25 + 12}; }

TEST(GridMouse, DraggingWithTheButtonHeldMovesTheSingleSelection) {
  TTestGrid grid;
  grid.SetDataRowCount(20);
  grid.SetOptions(TTestGrid::FileListOptions);
  EXPECT_FALSE(grid.PressAt(At(1, 3), false));
  grid.DragTo(At(1, 5));
  grid.ReleaseAt(At(1, 6));
  EXPECT_EQ(grid.GridState(), gsNormal);
  EXPECT_EQ(grid.MouseTimers, 0);
  EXPECT_EQ(grid.GetSelectedRows(), Rows{5});
  grid.PressAt(At(1, 2), true);  // Shift: from the anchor
  grid.ReleaseAt(At(1, 2));
  EXPECT_EQ(grid.GetSelectedRows(), (Rows{1, 2, 3, 4, 5}));
}

TEST(GridMouse, TheMouseUpEventRunsInTheStateThatEndsAfterIt) {
  TTestGrid grid;
  grid.SetDataRowCount(20);
  grid.SetOptions(grid.Options() + TGridOptions{goColSizing});
  std::vector<TGridState> seen;
  const auto record = [&] { seen.push_back(grid.GridState()); };
  grid.PressAt(At(1, 3), false);
  grid.ReleaseAt(At(1, 3), record);
  ASSERT_TRUE(grid.PressAt({126, 10}, false));
  grid.ReleaseAt({150, 10}, record);
  EXPECT_EQ(seen, (std::vector<TGridState>{gsSelecting, gsColSizing}));
  EXPECT_EQ(grid.GridState(), gsNormal);
  // An event that raises still ends the state.
  grid.PressAt(At(1, 4), false);
  EXPECT_THROW(grid.ReleaseAt(At(1, 4), [] { throw Exception("in the handler"); }), Exception);
  EXPECT_EQ(grid.GridState(), gsNormal);
}

TEST(GridMouse, HoldingTheButtonBelowTheViewScrollsOneRowPerTick) {
  TTestGrid grid;
  grid.SetDataRowCount(20);
  grid.PressAt(At(1, 7), false);
  for (int tick = 0; tick < 3; ++tick) grid.TimerTick({100, 210});
  EXPECT_EQ(grid.Row(), 10);
  EXPECT_EQ(grid.TopRow(), 4);
  EXPECT_EQ(grid.GetSelectedRows(), Rows{9});
  grid.CancelMode();
  EXPECT_EQ(grid.MouseTimers, 0);
  EXPECT_EQ(grid.GridState(), gsNormal);
}

TEST(GridMouse, DraggedRowsDropWhereTheyAreReleased) {
  TTestGrid grid;
  grid.SetDataRowCount(20);
  grid.SetOptions(grid.Options() + TGridOptions{goRowMoving});
  grid.PressAt(At(0, 5), false);
  grid.DragTo(At(0, 2));
  EXPECT_EQ(grid.MovePos(), 2);
  EXPECT_EQ(grid.DropMarkerLine().From, (TPoint{0, 49}));  // above row 2
  EXPECT_EQ(grid.DropMarkerLine().To, (TPoint{62, 49}));
  grid.ReleaseAt(At(0, 2));
  EXPECT_EQ(grid.RowMoves, (std::vector<std::pair<int32_t, int32_t>>{{5, 2}}));

  grid.Repaints.clear();
  grid.PressAt(At(0, 5), false);
  grid.ReleaseAt(At(0, 5));
  EXPECT_EQ(grid.RowMoves.size(), 1u);
  EXPECT_EQ(grid.Repaints, (std::vector<TGridRect>{{0, 0, 0, 8}}));  // the marker goes

  // Held below the view, the drop position scrolls on to the last row and stops there.
  grid.PressAt(At(0, 7), false);
  for (int tick = 0; tick < 30; ++tick) grid.TimerTick({10, 230});
  EXPECT_EQ(grid.MovePos(), 20);
  EXPECT_EQ(grid.TopRow(), 14);
  grid.Repaints.clear();
  grid.CancelMode();
  EXPECT_EQ(grid.MouseTimers, 0);
  // Cancelled, the marker goes with the header column, and the two rows are drawn anew.
  EXPECT_EQ(grid.Repaints, (std::vector<TGridRect>{{0, 0, 0, 21}, {0, 7, 3, 7}, {0, 20, 3, 20}}));
  EXPECT_EQ(grid.RowMoves.size(), 1u);
}

TEST(GridMouse, ABorderDraggedInTheFixedRowsSizesItsColumn) {
  TTestGrid grid;
  grid.SetDataRowCount(3);
  grid.SetOptions(grid.Options() + TGridOptions{goColSizing});
  EXPECT_TRUE(grid.PressAt({126, 10}, false));
  grid.DragTo({150, 10});
  EXPECT_EQ(grid.Sizing().SizingPos, 153);
  grid.ReleaseAt({150, 10});
  EXPECT_EQ(grid.ColWidths(1), 88);
  EXPECT_TRUE(grid.PressAt({150, 10}, false));
  grid.DragTo({63, 10});
  grid.ReleaseAt({63, 10});  // a width of 1 or less is refused
  EXPECT_EQ(grid.ColWidths(1), 88);
  EXPECT_EQ(grid.GridState(), gsNormal);
}

}  // namespace
