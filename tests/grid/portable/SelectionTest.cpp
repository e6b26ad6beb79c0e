#include "TestGrid.h"

#include "base/Exceptions.h"
#include "base/Persistent.h"

#include "DefinedProperties.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

using Rows = std::vector<int32_t>;

TEST(CellFlags, DisabledOrUnselectableRowsNeverStaySelected) {
  TTestGrid grid;
  grid.SetDataRowCount(5);  // selects row Row (1)
  grid.SetCellEnabled(0, 3, false);
  grid.SetCellSelected(0, 3, true);
  grid.SetCellSelected(0, 2, true);
  grid.SetCellSelectable(0, 2, false);
  EXPECT_EQ(grid.GetSelectedRows(), Rows{0});
  grid.SetCellEnabled(0, 1, false);
  EXPECT_EQ(grid.SelectedCount(), 0);
  grid.SetCellEnabled(0, 1, true);
  EXPECT_TRUE(grid.GetCellSelectable(0, 1));
  // In row mode every column stands for column 0.
  grid.SetCellSelected(5, 4, true);
  EXPECT_EQ(grid.GetSelectedRows(), Rows{3});
  EXPECT_THROW(grid.SetCellSelected(0, 6, true), ERangeError);
}

// Moves of the current cell as a click (Shift false) or a Shift-click on data rows.
void Click(TTestGrid& Grid, int32_t Row, bool Shift = false) { Grid.MoveCurrent(1, Row, !Shift, false); }

TEST(RowSelection, ShiftMovesSelectTheRowsFromTheAnchor) {
  struct Case {
    std::vector<std::pair<int32_t, bool>> Moves;  // row, Shift
    Rows Selected;                                // data rows
  };
  const std::vector<Case> cases = {
      {{{2, false}, {8, true}, {5, false}}, {4}},          // a plain click leaves one row
      {{{3, false}, {7, true}}, {2, 3, 4, 5, 6}},          // rows 3 to 7
      {{{3, false}, {7, true}, {5, true}}, {2, 3, 4}},     // back to 5 clears 6 and 7
      {{{5, false}, {8, true}, {2, true}}, {1, 2, 3, 4}},  // across the anchor: 2 to 5
      {{{6, false}, {2, true}, {9, true}}, {5, 6, 7, 8}},  // and back across it
      {{{4, false}, {4, true}}, {3}},
  };
  for (const Case& c : cases) {
    TTestGrid grid;
    grid.SetDataRowCount(12);
    grid.SetOptions(TTestGrid::FileListOptions);
    for (auto [row, shift] : c.Moves) Click(grid, row, shift);
    EXPECT_EQ(grid.GetSelectedRows(), c.Selected);
    EXPECT_EQ(grid.SelectedCount(), static_cast<int32_t>(c.Selected.size()));
    EXPECT_EQ(grid.Row(), c.Moves.back().first);
  }
}

TEST(RowSelection, EachMoveAnnouncesOnceWithTheListAlreadyUpToDate) {
  TTestGrid grid;
  grid.SetDataRowCount(999);
  grid.SetOptions(TTestGrid::FileListOptions);
  grid.SelectionChanges = 0;
  grid.Invalidations = 0;
  grid.Repaints.clear();
  grid.SelectRows(0);
  EXPECT_EQ(grid.SelectionChanges, 1);
  EXPECT_EQ(grid.RowsAtLastChange.size(), 999u);
  // The grid is drawn anew once, as a whole.
  EXPECT_EQ(grid.Invalidations, 1);
  EXPECT_TRUE(grid.Repaints.empty());
  EXPECT_EQ(grid.Selection(), (TGridRect{1, 1, 2, 999}));

  Click(grid, 500);
  Click(grid, 400, true);
  EXPECT_EQ(grid.SelectionChanges, 3);
  EXPECT_EQ(grid.RowsAtLastChange, grid.RecountRows());

  grid.SelectRows(2);
  EXPECT_EQ(grid.SelectedCount(), 999 - 101);
  grid.SelectRows(1);
  EXPECT_EQ(grid.GetSelectedRows(), Rows{399});
  EXPECT_EQ(grid.Selection(), (TGridRect{1, 400, 2, 400}));
  EXPECT_EQ(grid.SelectionChanges, 5);
}

TEST(RowSelection, AMoveDrawsTheRowsItChangedInOneGo) {
  TTestGrid grid;
  grid.SetDataRowCount(20);
  Click(grid, 3);
  grid.Repaints.clear();
  Click(grid, 6);
  EXPECT_EQ(grid.Repaints, (std::vector<TGridRect>{{1, 3, 3, 6}}));
  grid.Repaints.clear();
  Click(grid, 2, true);  // rows 3 to 6 given back, 2 to 6 drawn
  EXPECT_EQ(grid.Repaints, (std::vector<TGridRect>{{1, 2, 4, 6}}));
}

// Rows selected by the program (the files a rename kept selected): the focused row and the
// anchor go to the first of them, and the row they leave is drawn without its focus look.
TEST(RowSelection, RowsSelectedAloneTakeTheCurrentRowAndAnchorToTheFirstOfThem) {
  TTestGrid grid;  // 7 data rows show
  grid.SetOptions(TTestGrid::FileListOptions);
  grid.SetDataRowCount(20);
  Click(grid, 2);
  Click(grid, 4, true);
  grid.SelectionChanges = 0;
  grid.Repaints.clear();
  grid.SelectDataRows({15, 9});
  EXPECT_EQ(grid.GetSelectedRows(), (Rows{9, 15}));
  EXPECT_EQ(grid.SelectionChanges, 1);
  EXPECT_EQ(grid.RowsAtLastChange, (Rows{9, 15}));
  EXPECT_EQ(grid.Row(), 10);
  EXPECT_EQ(grid.CurrentCell(), (TGridCoord{1, 10}));
  EXPECT_EQ(grid.Anchor(), (TGridCoord{2, 10}));
  EXPECT_EQ(grid.TopRow(), 1);  // the view stays
  const auto drawn = [&](int32_t row) {
    return std::any_of(grid.Repaints.begin(), grid.Repaints.end(),
                       [&](const TGridRect& r) { return r.Top <= row && row <= r.Bottom; });
  };
  EXPECT_TRUE(drawn(2) && drawn(4));
  // Keys go on from there.
  grid.MoveByKey(GridKey::Down, {.Shift = true});
  EXPECT_EQ(grid.GetSelectedRows(), (Rows{9, 10, 15}));

  // No rows: nothing selected, the cells stay.
  grid.SelectDataRows({});
  EXPECT_EQ(grid.SelectedCount(), 0);
  EXPECT_EQ(grid.Row(), 11);
  EXPECT_EQ(grid.Anchor().Y, 10);

  // A row the grid does not have changes nothing; a disabled grid selects nothing.
  grid.SelectDataRows({3});
  EXPECT_THROW(grid.SelectDataRows({5, 20}), ERangeError);
  EXPECT_THROW(grid.SelectDataRows({-1}), ERangeError);
  EXPECT_EQ(grid.GetSelectedRows(), (Rows{3}));
  EXPECT_EQ(grid.Row(), 4);
  grid.Enabled = false;
  grid.SelectDataRows({6});
  EXPECT_EQ(grid.GetSelectedRows(), (Rows{3}));
  EXPECT_EQ(grid.Row(), 4);
}

TEST(RowSelection, RangesKeepToTheDataRowsAndOnesAsLongAsTheyOrLongerDoNothing) {
  TTestGrid grid;
  grid.SetDataRowCount(4);  // rows 1 to 4; row 1 is current and selected
  grid.SelectRange(-3, 50, true);
  EXPECT_EQ(grid.GetSelectedRows(), (Rows{0}));
  grid.SelectRange(4, 1, true);  // the four data rows themselves: a span of 3
  EXPECT_EQ(grid.GetSelectedRows(), (Rows{0, 1, 2, 3}));
  grid.SelectRange(0, 4, false);  // a span of 4 with the fixed row
  EXPECT_EQ(grid.GetSelectedRows(), (Rows{0, 1, 2, 3}));
  grid.SelectRange(0, 3, false);  // within the span, the fixed row is passed over
  EXPECT_EQ(grid.GetSelectedRows(), (Rows{3}));
  EXPECT_FALSE(grid.GetCellSelected(0, 0));
  grid.SelectRange(4, 2, true);
  EXPECT_EQ(grid.GetSelectedRows(), (Rows{1, 2, 3}));
}

TEST(RowSelection, ABatchLeftByAnErrorIsClosedAndAnnounced) {
  TGridSelection selection(2, 4, true);
  selection.SetFixedRows(1);
  int changes = 0;
  selection.OnChange = [&] { ++changes; };
  EXPECT_THROW(selection.SelectOnly(9), ERangeError);
  EXPECT_FALSE(selection.Updating());
  EXPECT_EQ(changes, 1);
  selection.SetCellSelected(0, 2, true);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(selection.SelectedRows(), Rows{1});
}

// The count and the list always agree with the flags, whatever changes them.
TEST(RowSelection, CountAndListFollowEveryChangeOfTheStore) {
  std::mt19937 random(3);
  TTestGrid grid;
  grid.SetOptions(TTestGrid::FileListOptions);
  grid.SetDataRowCount(30);
  for (int step = 0; step < 1500; ++step) {
    const int32_t rows = grid.RowCount();
    const auto row = static_cast<int32_t>(random() % rows);
    switch (random() % 9) {
      case 0: grid.SetDataRowCount(static_cast<int32_t>(random() % 40)); break;
      case 1: grid.SetRowCount(static_cast<int32_t>(random() % 40)); break;
      case 2: grid.MoveRow(row, static_cast<int32_t>(random() % rows)); break;
      case 3: grid.SelectRows(static_cast<int>(random() % 3)); break;
      case 4: grid.SetCellEnabled(0, row, random() % 2); break;
      case 5: if (row >= grid.FixedRows()) grid.MoveCurrent(1, row, random() % 2, true); break;
      case 6: grid.SelectRange(row, static_cast<int32_t>(random() % rows), random() % 2); break;
      case 7: grid.SetFixedRows(static_cast<int32_t>(random() % 3)); break;
      default: grid.DeleteRow(row); break;
    }
    ASSERT_EQ(grid.SelectedCount(), grid.RecountSelected()) << "step " << step;
    ASSERT_EQ(grid.GetSelectedRows(), grid.RecountRows()) << "step " << step;
    grid.UpdateSelectedRows();
    ASSERT_EQ(grid.GetSelectedRows(), grid.RecountRows());
    ASSERT_LT(grid.Row(), grid.RowCount());
  }
}

TEST(DataRows, EmptyingLeavesOnlyTheFixedCellsAndRowsBringTheColumnsBack) {
  TTestGrid grid;
  grid.SetColCount(4);
  grid.SetDataRowCount(20);
  grid.SetOptions(TTestGrid::FileListOptions);
  grid.SelectRows(0);
  grid.SetRow(15);  // scrolled down
  grid.SizeChanges = 0;
  grid.SetDataRowCount(0);
  EXPECT_EQ(grid.SizeChanges, 0);  // stored as they are, as rows that come or go
  EXPECT_EQ(grid.BarRanges[gbVertical].Visible, false);
  EXPECT_TRUE(grid.Empty());
  EXPECT_EQ(grid.RowCount(), grid.FixedRows());
  EXPECT_EQ(grid.ColCount(), grid.FixedCols());
  EXPECT_EQ(grid.SelectedCount(), 0);
  EXPECT_TRUE(grid.GetSelectedRows().empty());
  EXPECT_EQ(grid.TopLeft(), (TGridCoord{1, 1}));

  // Nothing selects, moves or scrolls while the grid is empty.
  grid.SelectionChanges = 0;
  grid.SelectRows(0);
  grid.SelectRange(0, 5, true);
  grid.MoveByKey(GridKey::Down, {});
  EXPECT_TRUE(grid.MoveByWheel(true));
  grid.ModifyScrollBar(gbVertical, scBottom, 0, false);
  EXPECT_FALSE(grid.PressAt({100, 100}, false));
  grid.SetRow(3);
  EXPECT_EQ(grid.SelectionChanges, 0);
  EXPECT_EQ(grid.Row(), 1);

  grid.SetDataRowCount(3);
  EXPECT_EQ(grid.SizeChanges, 0);
  EXPECT_EQ(grid.ColCount(), 4);  // the columns of before the emptying
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(grid.GetSelectedRows(), Rows{0});
  EXPECT_THROW(grid.SetDataRowCount(-1), ERangeError);
  EXPECT_THROW(grid.SetDataRowCount(INT32_MAX), ERangeError);
}

// A list filled anew with more or fewer rows stays where it is: its cells are not moved
// and its view does not go to them; only cells on rows that went come back to the last.
TEST(DataRows, ANewCountKeepsTheCellsAndTheViewAndCellsOnRowsThatWentComeToTheLast) {
  TTestGrid grid;  // 7 data rows show
  grid.SetOptions(TTestGrid::FileListOptions);
  grid.SetDataRowCount(40);
  Click(grid, 35);
  grid.SetCellSelected(0, 6, true);
  grid.MoveTopLeft(1, 10);
  grid.Scrolls.clear();
  grid.Repaints.clear();
  grid.SetDataRowCount(45);
  EXPECT_EQ(grid.TopRow(), 10);
  EXPECT_EQ(grid.CurrentCell(), (TGridCoord{1, 35}));
  EXPECT_EQ(grid.Anchor(), (TGridCoord{2, 35}));
  EXPECT_TRUE(grid.Scrolls.empty());
  EXPECT_EQ(grid.SizeChanges, 0);
  EXPECT_EQ(grid.GetSelectedRows(), (Rows{5, 34}));
  EXPECT_EQ(grid.BarRanges[gbVertical].Visible, true);

  grid.SetDataRowCount(30);  // the current row goes: the last row takes its place
  EXPECT_EQ(grid.TopRow(), 10);
  EXPECT_EQ(grid.Row(), 30);
  EXPECT_EQ(grid.CurrentCell().Y, 30);
  EXPECT_EQ(grid.Anchor().Y, 30);
  EXPECT_EQ(grid.GetSelectedRows(), (Rows{5, 29}));
  EXPECT_EQ(grid.SizeChanges, 0);
  grid.SetDataRowCount(12);  // the view below the last row comes back to it
  EXPECT_EQ(grid.TopRow(), 6);
  EXPECT_EQ(grid.Row(), 12);
}

TEST(MovingRows, TheSelectionAndTheCellsStayOnTheirRows) {
  TTestGrid grid;
  grid.SetOptions(TTestGrid::FileListOptions);
  grid.SetDataRowCount(8);
  grid.SetRowHeights(5, 40);
  Click(grid, 5);
  grid.SetCellSelected(0, 7, true);
  grid.RowMoves.clear();

  grid.MoveRow(5, 2);
  EXPECT_EQ(grid.RowMoves, (std::vector<std::pair<int32_t, int32_t>>{{5, 2}}));
  EXPECT_EQ(grid.RowsAtRowMoves.front(), (Rows{1, 6}));  // the flags moved before the event
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(grid.Anchor().Y, 2);
  EXPECT_EQ(grid.RowHeights(2), 40);
  EXPECT_EQ(grid.GetSelectedRows(), (Rows{1, 6}));

  grid.MoveRow(1, 7);  // rows 2 to 7 move up
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(grid.GetSelectedRows(), (Rows{0, 5}));
  EXPECT_THROW(grid.MoveRow(0, 9), ERangeError);
}

// Lines inserted and taken out: the lines after them move along with their flags and
// heights (widths).
TEST(MovingRows, AdjustSizeInsertsAndTakesOutLinesAndTheOnesAfterThemKeepTheirCells) {
  TTestGrid grid;
  grid.SetOptions(TTestGrid::FileListOptions);
  grid.SetDataRowCount(6);  // row 1 current and selected
  grid.SetRowHeights(4, 40);
  grid.SetCellSelected(0, 5, true);
  grid.AdjustSize(2, 2, true);
  EXPECT_EQ(grid.RowCount(), 9);
  EXPECT_EQ(grid.RowHeights(6), 40);
  EXPECT_EQ(grid.RowHeights(2), grid.DefaultRowHeight());
  EXPECT_EQ(grid.GetSelectedRows(), (Rows{0, 6}));
  grid.AdjustSize(2, -3, true);  // the two new rows and the old row 2
  EXPECT_EQ(grid.RowCount(), 6);
  EXPECT_EQ(grid.RowHeights(3), 40);
  EXPECT_EQ(grid.GetSelectedRows(), (Rows{0, 3}));
  grid.AdjustSize(6, 1, true);  // appended
  EXPECT_EQ(grid.RowCount(), 7);
  EXPECT_EQ(grid.RowHeights(3), 40);
  EXPECT_THROW(grid.AdjustSize(8, 1, true), ERangeError);
  EXPECT_THROW(grid.AdjustSize(7, -1, true), ERangeError);
  grid.AdjustSize(1, -100, true);  // one scrolling row stays
  EXPECT_EQ(grid.RowCount(), 2);

  grid.SetColCount(4);
  grid.SetColWidths(2, 90);
  grid.DeleteColumn(1);
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(grid.ColWidths(1), 90);
}

TEST(GridCounts, CountsStayAboveTheFixedOnesAndExtentsNeedAnIndexInside) {
  TTestGrid grid;
  grid.SetColCount(0);
  grid.SetFixedCols(3);  // the scrolling column stays
  EXPECT_EQ(grid.ColCount(), 4);
  EXPECT_EQ(grid.CurrentCell(), (TGridCoord{3, 1}));
  EXPECT_EQ(grid.ColWidths(9), 64);
  EXPECT_THROW(grid.SetColWidths(4, 10), ERangeError);
  EXPECT_THROW(grid.SetRowHeights(-1, 10), ERangeError);
  EXPECT_THROW(grid.SetColWidths(1, MaxGridExtent + 1), ERangeError);
  EXPECT_THROW(grid.SetDefaultRowHeight(-1), ERangeError);
}

// Stores its widths and heights as the windowed grid will.
class TStoredGrid : public TPersistent, public TTestGrid {
public:
  void DefineProperties(TFiler& Filer) override { DefineCellExtents(Filer); }
};

TEST(GridCounts, WidthsAndHeightsAreStoredOnceSetAndReadBackThroughTheSetters) {
  TStoredGrid grid;
  EXPECT_FALSE(DefinedProperties(grid).IntegerLists["ColWidths"].HasData);
  grid.SetColWidths(1, 30);
  auto lists = DefinedProperties(grid).IntegerLists;
  EXPECT_FALSE(lists["RowHeights"].HasData);
  ASSERT_TRUE(lists["ColWidths"].HasData);
  EXPECT_EQ(lists["ColWidths"].WriteData(), (std::vector<int32_t>{64, 30, 64}));

  TStoredGrid copy;
  DefinedProperties(copy).IntegerLists["ColWidths"].ReadData({10, 20, 30});
  EXPECT_EQ(copy.ColWidths(2), 30);
  EXPECT_THROW(DefinedProperties(copy).IntegerLists["RowHeights"].ReadData({1, 2, 3}), ERangeError);
  copy.SetSaveCellExtents(false);
  EXPECT_TRUE(DefinedProperties(copy).IntegerLists.empty());
}

}  // namespace
