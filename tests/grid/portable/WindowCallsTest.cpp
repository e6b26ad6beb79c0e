// What the grid model asks of its window, seen through a fake window: the sizing line
// drawn in pairs, the drop marker at each new drop position, nothing scrolled or ranged
// without a shown window, a disabled or loading grid left alone, and the pixel scroll of
// a one-column grid.
#include "TestGrid.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Rows = std::vector<int32_t>;

// Client points of a cell's middle in the default layout: columns 65 wide, rows 25 high.
TPoint At(int32_t Col, int32_t Row) { return {Col * 65 + 30, Row * 25 + 12}; }

TEST(GridWindowCalls, TheSizingLineIsDrawnInPairsSoThatNoneStaysBehind) {
  TTestGrid grid;
  grid.SetDataRowCount(3);
  grid.SetOptions(grid.Options() + TGridOptions{goColSizing});
  EXPECT_FALSE(grid.PressAt(At(1, 2), false));  // not on a border
  grid.ReleaseAt(At(1, 2));
  EXPECT_EQ(grid.SizingLineDraws, 0);

  EXPECT_TRUE(grid.PressAt({126, 10}, false));
  EXPECT_EQ(grid.SizingLineDraws, 1);
  grid.DragTo({140, 10});
  grid.DragTo({150, 10});
  EXPECT_EQ(grid.SizingLineDraws, 5);  // each step removes the line and draws it anew
  grid.ReleaseAt({150, 10});
  EXPECT_EQ(grid.SizingLineDraws, 6);

  EXPECT_TRUE(grid.PressAt({150, 10}, false));
  grid.CancelMode();
  EXPECT_EQ(grid.SizingLineDraws, 8);
  EXPECT_EQ(grid.MouseTimers, 0);  // sizing runs no timer
}

TEST(GridWindowCalls, ADraggedRowShowsItsMarkerAtEachNewDropPosition) {
  TTestGrid grid;
  grid.SetDataRowCount(20);
  grid.SetOptions(grid.Options() + TGridOptions{goRowMoving});
  grid.PressAt(At(0, 5), false);
  EXPECT_EQ(grid.MouseTimers, 1);
  EXPECT_EQ(grid.DropMarkerDraws, 0);
  grid.DragTo(At(0, 4));
  EXPECT_EQ(grid.DropMarkerDraws, 1);
  grid.DragTo(At(0, 4));  // the same place: nothing to draw
  EXPECT_EQ(grid.DropMarkerDraws, 1);
  grid.DragTo(At(0, 2));
  EXPECT_EQ(grid.DropMarkerDraws, 2);
  grid.ReleaseAt(At(0, 2));
  EXPECT_EQ(grid.MouseTimers, 0);
}

TEST(GridWindowCalls, WithoutAShownWindowNothingScrollsAndNoBarIsSet) {
  TTestGrid grid;
  grid.Exists = false;
  grid.SetDataRowCount(20);
  grid.MoveCurrent(1, 20, true, true);
  grid.UpdateScrollPos();
  EXPECT_EQ(grid.TopRow(), 1);
  EXPECT_TRUE(grid.BarRanges.empty());
  EXPECT_TRUE(grid.BarPositions.empty());

  grid.Exists = true;
  grid.Showing = false;
  grid.UpdateScrollRange();
  EXPECT_TRUE(grid.BarRanges.empty());
  EXPECT_EQ(grid.BarUpdates, 0);

  grid.Showing = true;
  grid.UpdateScrollRange();
  EXPECT_TRUE(grid.BarRanges[gbVertical].Visible);
  EXPECT_FALSE(grid.BarRanges[gbHorizontal].Visible);
  EXPECT_EQ(grid.BarUpdates, 1);
  grid.MoveCurrent(1, 20, true, true);
  EXPECT_EQ(grid.TopRow(), 14);
  EXPECT_EQ(grid.BarPositions[gbVertical], 127);
}

TEST(GridWindowCalls, ADisabledGridKeepsItsSelectionAndALoadingOneItsCells) {
  TTestGrid grid;
  grid.SetDataRowCount(20);
  grid.SetOptions(TTestGrid::FileListOptions);
  grid.Enabled = false;
  grid.SelectRows(0);
  EXPECT_EQ(grid.GetSelectedRows(), Rows{0});
  grid.Enabled = true;
  grid.SelectRows(0);
  EXPECT_EQ(grid.SelectedCount(), 20);

  grid.Loading = true;
  grid.MoveCurrent(1, 5, true, false);
  EXPECT_EQ(grid.Row(), 1);
  grid.Loading = false;
  grid.MoveCurrent(1, 5, true, false);
  EXPECT_EQ(grid.Row(), 5);
  EXPECT_EQ(grid.GetSelectedRows(), Rows{4});
}

TEST(GridWindowCalls, AOneColumnGridStepsByTheWindowsLineStepAndPaintsAtOnce) {
  TTestGrid grid;
  grid.SetFixedCols(0);
  grid.SetColCount(1);
  grid.SetColWidths(0, 500);
  grid.LineStep = 8;
  grid.Scrolls.clear();
  grid.ModifyScrollBar(gbHorizontal, scLineDown, 0, false);
  EXPECT_EQ(grid.ColOffset(), 8);
  EXPECT_EQ(grid.ScrollFocusRequests, 1);
  ASSERT_FALSE(grid.Scrolls.empty());
  for (const TGridScrollArea& area : grid.Scrolls) EXPECT_EQ(std::make_pair(area.DX, area.DY), std::make_pair(-8, 0));
  EXPECT_EQ(grid.Repaints.back(), (TGridRect{0, 0, 0, 1}));  // the fixed row's cell
  EXPECT_EQ(grid.WindowUpdates, 1);
  EXPECT_EQ(grid.BarPositions[gbHorizontal], 8);

  // An emptied grid takes no scroll code, nor the focus for it.
  grid.SetDataRowCount(0);
  grid.ModifyScrollBar(gbHorizontal, scLineDown, 0, false);
  EXPECT_EQ(grid.ScrollFocusRequests, 1);
}

}  // namespace
