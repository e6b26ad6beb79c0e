// The skinned grid driven through its window's messages, posted through the queue as a
// user's would be: clicks, Shift-clicks and drags select rows as the program's file list
// expects, keys, the wheel and the held-button timer move the current row, a dragged
// row drops with its texts, a dragged border sizes its column; a bound selection list
// sees every change.
#include "GridTestKit.h"

#include "app/SelectionManager.h"

#include "classlib/Screen.h"
#include "classlib/SystemSeams.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Rows = std::vector<int32_t>;

// A flat-colour file list of Rows rows with the keyboard focus; it records the
// selection changes and checks at each that a bound selection list reads the change.
class TFocusedGrid : public TGridTestWindow {
public:
  explicit TFocusedGrid(int32_t Rows) : TGridTestWindow(Rows, "flatcolour") {
    FillTexts();
    Selection.SetItems(Grid()->GetSelectedRows());
    Grid()->OnSelectionChange = [this](TObject*) {
      ++Changes;
      SelectionSeen = {};
      for (int32_t i = 0; i < Selection.GetCount(); ++i) SelectionSeen.push_back(Selection.GetItem(i));
    };
    Focus();
  }

  // The selected grid rows (data rows counted from the heading row).
  Rows Selected() const {
    Rows rows;
    for (int32_t row : Grid()->GetSelectedRows()) rows.push_back(row + 1);
    return rows;
  }
  void Tick() { Grid()->Perform(WM_TIMER, 1, 0); }
  // A third column, the middle one 100 wide, and Option.
  void AddColumn(TGridOption Option) {
    Grid()->SetOptions(Grid()->Options() + TGridOptions{Option});
    Grid()->SetColCount(3);
    Grid()->SetColWidths(1, 100);
  }

  TSelectionManager Selection;
  int Changes = 0;
  std::vector<int32_t> SelectionSeen;
};

TEST(GridInput, ShiftClicksExtendFromTheAnchorAndGiveBackWhatTheyLeave) {
  TFocusedGrid list(12);
  list.Click(3);
  list.Click(7, MK_SHIFT);
  EXPECT_EQ(list.Selected(), (Rows{3, 4, 5, 6, 7}));
  list.Click(5, MK_SHIFT);
  EXPECT_EQ(list.Selected(), (Rows{3, 4, 5}));
  list.Click(5);
  list.Click(8, MK_SHIFT);
  list.Click(2, MK_SHIFT);
  EXPECT_EQ(list.Selected(), (Rows{2, 3, 4, 5}));
  EXPECT_EQ(list.Grid()->Row(), 2);
  // Every change was announced once, with the bound list already showing it.
  EXPECT_EQ(list.Changes, 6);
  EXPECT_EQ(list.SelectionSeen, (std::vector<int32_t>{1, 2, 3, 4}));
}

TEST(GridInput, DraggingMovesTheSingleSelectionAndHoldingBelowPullsTheAnchorEachTick) {
  TFocusedGrid list(40);
  TDynSkinStringGrid* grid = list.Grid();
  list.Press(3);
  list.MoveTo(6);
  list.Release(6);
  EXPECT_EQ(list.Selected(), Rows{6});

  // Held below the grid, each tick takes the anchor of a range-selecting list a row
  // further and scrolls it into view; the current row stays.
  list.Press(10);
  Seams::SetCursorPos(grid->ClientToScreen({50, grid->ClientHeight() + 20}));
  list.Tick();
  list.Tick();
  EXPECT_EQ(grid->Anchor().Y, 12);
  EXPECT_EQ(grid->TopRow(), 1);
  for (int tick = 0; tick < 10; ++tick) list.Tick();
  EXPECT_EQ(grid->Anchor().Y, 22);
  EXPECT_EQ(grid->TopRow() + grid->VisibleRowCount() - 1, 22);
  EXPECT_EQ(grid->Row(), 10);
  list.Release(20);
  list.Tick();  // the timer went with the button
  EXPECT_EQ(grid->Anchor().Y, 20);
  EXPECT_EQ(list.Selected(), Rows{20});
}

TEST(GridInput, KeysAndTheWheelMoveTheCurrentRow) {
  TFocusedGrid list(40);
  TDynSkinStringGrid* grid = list.Grid();
  PostKey(grid, VK_DOWN);
  PostKey(grid, VK_DOWN);
  EXPECT_EQ(grid->Row(), 3);
  PostKey(grid, VK_DOWN, {ssShift});
  PostKey(grid, VK_DOWN, {ssShift});
  EXPECT_EQ(list.Selected(), (Rows{3, 4, 5}));
  PostKey(grid, VK_END);
  EXPECT_EQ(grid->Row(), 40);
  EXPECT_EQ(grid->TopRow() + grid->VisibleRowCount() - 1, 40);
  PostKey(grid, VK_HOME);
  EXPECT_EQ(grid->Row(), 1);
  EXPECT_EQ(grid->TopRow(), 1);
  PostKey(grid, VK_NEXT);
  EXPECT_EQ(grid->Row(), grid->VisibleRowCount());
  PostKey(grid, VK_DOWN, {ssCtrl});  // the view scrolls, the row stays
  EXPECT_EQ(grid->TopRow(), 2);
  EXPECT_EQ(list.Selected(), Rows{grid->Row()});

  const auto wheel = [&](int Delta) {
    const TPoint p = grid->ClientToScreen(list.Centre(1, 3));
    PostMessageA(grid->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, Delta), MAKELPARAM(p.X, p.Y));
    Application->ProcessMessages();
  };
  const int32_t row = grid->Row();
  wheel(-WHEEL_DELTA);
  EXPECT_EQ(grid->Row(), row + 1);
  wheel(WHEEL_DELTA);
  wheel(WHEEL_DELTA);
  EXPECT_EQ(grid->Row(), row - 1);
  PostKey(grid, VK_END);
  wheel(-WHEEL_DELTA);  // the last row stays
  EXPECT_EQ(grid->Row(), 40);
}

TEST(GridInput, ADoublePressFiresOnlyTheDoubleClick) {
  TFocusedGrid list(10);
  int clicks = 0, doubleClicks = 0;
  list.Grid()->OnClick = [&](TObject*) { ++clicks; };
  list.Grid()->OnDblClick = [&](TObject*) { ++doubleClicks; };
  list.Click(4);
  EXPECT_EQ(clicks, 1);
  const TPoint p = list.Centre(1, 6);
  PostMouse(list.Grid(), WM_LBUTTONDBLCLK, p.X, p.Y, MK_LBUTTON);
  PostMouse(list.Grid(), WM_LBUTTONUP, p.X, p.Y);
  Application->ProcessMessages();
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(list.Selected(), Rows{4});
}

TEST(GridInput, ARowDraggedByItsNumberDropsWithItsTexts) {
  TFocusedGrid list(10);
  TDynSkinStringGrid* grid = list.Grid();
  grid->SetOptions(grid->Options() + TGridOptions{goRowMoving});
  std::vector<std::pair<int32_t, int32_t>> moves;
  std::string movedText;
  grid->OnRowMoved = [&](TObject*, int32_t From, int32_t To) {
    moves.emplace_back(From, To);
    movedText = grid->Cells(1, To);
  };
  list.Press(5, 0, 0);
  list.MoveTo(3, 0);
  list.MoveTo(2, 0);
  list.Release(2, 0);
  EXPECT_EQ(moves, (std::vector<std::pair<int32_t, int32_t>>{{5, 2}}));
  EXPECT_EQ(movedText, "File 5");
  EXPECT_EQ(grid->Cells(1, 3), "File 2");
  EXPECT_EQ(grid->Cells(1, 5), "File 4");
  // Dropped where it was taken: nothing moves.
  list.Press(4, 0, 0);
  list.Release(4, 0);
  EXPECT_EQ(moves.size(), 1u);
  EXPECT_EQ(grid->GridState(), gsNormal);
}

TEST(GridInput, AColumnDraggedByItsHeadingDropsWithItsTexts) {
  TFocusedGrid list(10);
  TDynSkinStringGrid* grid = list.Grid();
  list.AddColumn(goColMoving);
  grid->SetCells(1, 0, "Name");
  grid->SetCells(2, 0, "Size");
  std::vector<std::pair<int32_t, int32_t>> moves;
  grid->OnColumnMoved = [&](TObject*, int32_t From, int32_t To) { moves.emplace_back(From, To); };
  list.Press(0, 0, 2);
  list.MoveTo(0, 1);
  list.Release(0, 1);
  EXPECT_EQ(moves, (std::vector<std::pair<int32_t, int32_t>>{{2, 1}}));
  EXPECT_EQ(grid->Cells(1, 0), "Size");
  EXPECT_EQ(grid->Cells(2, 3), "File 3");
  EXPECT_EQ(grid->ColWidths(2), 100);  // the width went with its column
}

TEST(GridInput, ARefusedCellStaysUnfocusedAndScrollingIsReported) {
  TFocusedGrid list(40);
  TDynSkinStringGrid* grid = list.Grid();
  grid->OnSelectCell = [](TObject*, int32_t, int32_t ARow, bool& CanSelect) { CanSelect = ARow != 4; };
  int scrolls = 0;
  grid->OnTopLeftChanged = [&](TObject*) { ++scrolls; };
  list.Click(3);
  list.Click(4);
  EXPECT_EQ(grid->Row(), 3);
  EXPECT_EQ(list.Selected(), Rows{3});
  PostKey(grid, VK_END);
  EXPECT_EQ(scrolls, 1);
  EXPECT_EQ(grid->Row(), 40);
}

TEST(GridInput, ABorderDraggedInTheHeadingSizesItsColumnUnderTheSizingCursor) {
  TFocusedGrid list(10);
  TDynSkinStringGrid* grid = list.Grid();
  list.AddColumn(goColSizing);
  const int32_t border = grid->CellRect(1, 0).Right;  // fixed columns keep their width
  list.Changes = 0;
  const auto cursorAt = [&](int X, int Y) {
    const TPoint p = grid->ClientToScreen({X, Y});
    grid->Perform(WM_NCHITTEST, 0, MAKELPARAM(p.X, p.Y));
    grid->Perform(WM_SETCURSOR, reinterpret_cast<WPARAM>(grid->Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  EXPECT_EQ(cursorAt(border - 2, 5), Screen->Cursors(crHSplit));
  EXPECT_NE(cursorAt(border - 2, list.Centre(0, 3).Y), Screen->Cursors(crHSplit));

  const TPixelImage before = ShownPixels(grid);
  const int32_t y = list.Centre(1, 5).Y;
  PostMouse(grid, WM_LBUTTONDOWN, border - 2, 5, MK_LBUTTON);
  PostMouse(grid, WM_MOUSEMOVE, border + 18, 5, MK_LBUTTON);
  Application->ProcessMessages();
  // The sizing line shows where the border would go (and only there).
  const TPixelImage sizing = ShownPixels(grid);
  EXPECT_NE(sizing.Pixel(border + 20, y), before.Pixel(border + 20, y));
  EXPECT_EQ(sizing.Pixel(border + 22, y), before.Pixel(border + 22, y));
  EXPECT_EQ(sizing.Pixel(border, y), before.Pixel(border, y));
  PostMouse(grid, WM_LBUTTONUP, border + 18, 5);
  Application->ProcessMessages();
  EXPECT_EQ(grid->ColWidths(1), 120);
  EXPECT_EQ(DifferentPixels(ShownPixels(grid), RepaintedPixels(grid)), 0);
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_EQ(list.Changes, 0);  // sizing selects nothing
}

TEST(GridInput, SelectingAllOf999RowsAnnouncesOnce) {
  TFocusedGrid list(999);
  list.Grid()->SelectRows(0);
  EXPECT_EQ(list.Changes, 1);
  EXPECT_EQ(list.Selection.GetCount(), 999);
  list.Grid()->SelectRows(1);
  EXPECT_EQ(list.Changes, 2);
  EXPECT_EQ(list.Selection.GetCount(), 1);
}

}  // namespace
