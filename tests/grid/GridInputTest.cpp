// The skinned grid driven through its window's messages, posted through the queue as a
// user's would be: clicks, Shift-clicks and drags select rows as the program's file list
// expects, with a bound selection list seeing every change; keys, the wheel and the
// held-button timer; a dragged row drops with its texts, a dragged border sizes its
// column; any button's release ends what the left button began.
#include "GridTestKit.h"

#include "app/settings/SelectionManager.h"

#include "classlib/Screen.h"
#include "classlib/SystemSeams.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Rows = std::vector<int32_t>;
using Moves = std::vector<std::pair<int32_t, int32_t>>;

// A focused flat-colour file list whose selection changes are counted and read, at
// each, through a bound selection list.
class TFocusedGrid : public TGridTestWindow {
public:
  explicit TFocusedGrid(int32_t Rows) : TGridTestWindow(Rows, "flatcolour") {
    Selection.SetItems(Grid()->GetSelectedRows());
    Grid()->OnSelectionChange = [this](TObject*) {
      ++Changes;
      Seen.clear();
      for (int32_t i = 0; i < Selection.GetCount(); ++i) Seen.push_back(Selection.GetItem(i) + 1);
    };
    Focus();
  }
  void Tick() { Grid()->Perform(WM_TIMER, 1, 0); }

  TSelectionManager Selection;
  int Changes = 0;
  Rows Seen;  // the grid rows the list held at the last change
};

TEST(GridInput, ClicksAndShiftClicksSelectRowsFromTheAnchor) {
  TFocusedGrid list(999);
  TDynSkinStringGrid* grid = list.Grid();
  list.Click(3);
  list.Click(7, MK_SHIFT);
  EXPECT_EQ(list.Seen, (Rows{3, 4, 5, 6, 7}));
  list.Click(5, MK_SHIFT);
  EXPECT_EQ(list.Seen, (Rows{3, 4, 5}));
  list.Click(5);
  list.Click(8, MK_SHIFT);
  list.Click(2, MK_SHIFT);
  EXPECT_EQ(list.Seen, (Rows{2, 3, 4, 5}));
  EXPECT_EQ(list.Changes, 6);

  // A drag moves the single selection; a double press fires only OnDblClick.
  int doubleClicks = 0;
  grid->OnDblClick = [&](TObject*) { ++doubleClicks; };
  list.Press(3);
  list.MoveTo(6);
  list.Release(6);
  EXPECT_EQ(list.Seen, Rows{6});
  const TPoint p = list.Centre(1, 9);
  PostMouse(grid, WM_LBUTTONDBLCLK, p.X, p.Y, MK_LBUTTON);
  PostMouse(grid, WM_LBUTTONUP, p.X, p.Y);
  Application->ProcessMessages();
  EXPECT_EQ(doubleClicks, 1);
  EXPECT_EQ(list.Seen, Rows{6});

  // Held below the grid, each tick takes the anchor of a range-selecting list a row on
  // and scrolls it into view; the current row stays.
  list.Press(10);
  Seams::SetCursorPos(grid->ClientToScreen({50, grid->ClientHeight() + 20}));
  for (int tick = 0; tick < 12; ++tick) list.Tick();
  EXPECT_EQ(grid->Anchor().Y, 22);
  EXPECT_EQ(grid->TopRow() + grid->VisibleRowCount() - 1, 22);
  EXPECT_EQ(grid->Row(), 10);
  list.Release(20);
  list.Tick();  // the timer went with the button
  EXPECT_EQ(grid->Anchor().Y, 20);

  const int changes = list.Changes;
  list.Grid()->SelectRows(0);
  EXPECT_EQ(list.Changes, changes + 1);
  EXPECT_EQ(list.Selection.GetCount(), 999);
}

TEST(GridInput, KeysAndTheWheelMoveTheCurrentRow) {
  TFocusedGrid list(40);
  TDynSkinStringGrid* grid = list.Grid();
  PostKey(grid, VK_DOWN);
  PostKey(grid, VK_DOWN, {ssShift});
  PostKey(grid, VK_DOWN, {ssShift});
  EXPECT_EQ(list.Seen, (Rows{2, 3, 4}));
  PostKey(grid, VK_END);
  EXPECT_EQ(grid->TopRow() + grid->VisibleRowCount() - 1, 40);
  PostKey(grid, VK_HOME);
  PostKey(grid, VK_NEXT);
  EXPECT_EQ(grid->Row(), grid->VisibleRowCount());
  PostKey(grid, VK_DOWN, {ssCtrl});  // the view scrolls, the row stays
  EXPECT_EQ(grid->TopRow(), 2);
  EXPECT_EQ(list.Seen, Rows{grid->Row()});

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

  // A cell that OnSelectCell refuses never becomes the focused one.
  grid->OnSelectCell = [](TObject*, int32_t, int32_t ARow, bool& CanSelect) { CanSelect = ARow != 39; };
  PostKey(grid, VK_UP);
  EXPECT_EQ(grid->Row(), 40);
  EXPECT_EQ(list.Seen, Rows{40});
}

// The grid's menu from the keyboard opens below the focused row, wherever the row is.
TEST(GridInput, TheMenuKeyAndShiftF10OpenTheMenuBelowTheFocusedRow) {
  TFocusedGrid list(40);
  TDynSkinStringGrid* grid = list.Grid();
  auto* menu = new TRecordingPopupMenu(grid);
  grid->SetPopupMenu(menu);
  list.Click(3);
  PressMenuKey(grid);
  PostKey(grid, VK_NEXT);
  PostKey(grid, VK_F10, {ssShift});
  const TRect third = grid->CellRect(1, 3), last = grid->CellRect(1, grid->Row());
  ASSERT_GT(grid->Row(), 3);
  EXPECT_EQ(menu->Points, (std::vector<TPoint>{grid->ClientToScreen({third.Left, third.Bottom}),
                                               grid->ClientToScreen({last.Left, last.Bottom})}));
}

TEST(GridInput, ADraggedRowDropsWithItsTexts) {
  TFocusedGrid list(10);
  TDynSkinStringGrid* grid = list.Grid();
  grid->SetOptions(grid->Options() + TGridOptions{goRowMoving});
  Moves rows;
  grid->OnRowMoved = [&](TObject*, int32_t From, int32_t To) { rows.emplace_back(From, To); };
  list.Press(5, 0, 0);
  list.MoveTo(3, 0);
  list.MoveTo(2, 0);
  list.Release(2, 0);
  EXPECT_EQ(rows, (Moves{{5, 2}}));
  EXPECT_EQ(grid->Cells(1, 2), "File 5");
  EXPECT_EQ(grid->Cells(1, 3), "File 2");
  list.Press(4, 0, 0);  // dropped where it was taken: nothing moves
  list.Release(4, 0);
  EXPECT_EQ(rows.size(), 1u);
}

// Whichever button comes up ends what the held left button began.
TEST(GridInput, AReleaseOfAnyButtonEndsWhatTheLeftButtonBegan) {
  TFocusedGrid list(40);
  TDynSkinStringGrid* grid = list.Grid();
  grid->SetOptions(grid->Options() + TGridOptions{goRowMoving});
  const auto otherButton = [&](int32_t ARow, int32_t ACol, UINT Down, UINT Up, WPARAM Key) {
    const TPoint p = list.Centre(ACol, ARow);
    PostMouse(grid, Down, p.X, p.Y, MK_LBUTTON | Key);
    PostMouse(grid, Up, p.X, p.Y, MK_LBUTTON);
    Application->ProcessMessages();
  };
  list.Press(3);
  ASSERT_EQ(grid->GridState(), gsSelecting);
  otherButton(3, 1, WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON);
  EXPECT_EQ(grid->GridState(), gsNormal);
  Seams::SetCursorPos(grid->ClientToScreen({50, grid->ClientHeight() + 20}));
  list.Tick();  // the timer went with the state
  EXPECT_EQ(grid->Anchor().Y, 3);
  list.Release(3);

  Moves rows;
  grid->OnRowMoved = [&](TObject*, int32_t From, int32_t To) { rows.emplace_back(From, To); };
  list.Press(5, 0, 0);
  list.MoveTo(2, 0);
  ASSERT_EQ(grid->GridState(), gsRowMoving);
  otherButton(2, 0, WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON);
  EXPECT_EQ(grid->GridState(), gsNormal);
  EXPECT_EQ(rows, (Moves{{5, 2}}));
  list.Release(2, 0);
}

TEST(GridInput, ABorderDraggedInTheHeadingSizesItsColumnUnderTheSizingCursor) {
  TFocusedGrid list(10);
  TDynSkinStringGrid* grid = list.Grid();
  grid->SetOptions(grid->Options() + TGridOptions{goColSizing});
  grid->SetColCount(3);
  grid->SetColWidths(1, 100);
  const int32_t border = grid->CellRect(1, 0).Right;  // fixed columns keep their width
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
  const TPixelImage sizing = ShownPixels(grid);  // the line where the border would go
  EXPECT_NE(sizing.Pixel(border + 20, y), before.Pixel(border + 20, y));
  EXPECT_EQ(sizing.Pixel(border + 22, y), before.Pixel(border + 22, y));
  PostMouse(grid, WM_LBUTTONUP, border + 18, 5);
  Application->ProcessMessages();
  EXPECT_EQ(grid->ColWidths(1), 120);
  EXPECT_EQ(list.DifferFromAWholePaint(), 0);
}

}  // namespace
