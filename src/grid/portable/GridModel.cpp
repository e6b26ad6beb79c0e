// The grid model's counts, extents, options, cells, row selection and line moves.
#include "GridModel.h"

#include "base/Exceptions.h"
#include "base/Filer.h"
#include "base/UpdateScope.h"

#include <algorithm>
#include <climits>

TGridModel::TGridModel(TGridWindow& Window)
    : FWindow(Window), FSelection(FColCount, FRowCount, FOptions.Contains(goRowSelect)) {
  FSelection.SetFixedRows(FFixedRows);
  FSelection.OnChange = [this] { SelectionChanged(); };
  Initialize();
}

// --- Counts

namespace {

// A count that stays at least 1 and above the fixed count.
int32_t ClampCount(int32_t Value, int32_t FixedCount) { return std::max({Value, 1, FixedCount + 1}); }

// A fixed count moved by Delta, with the count that moves along.
int32_t ShiftedCount(int32_t Count, int32_t Delta) {
  const int64_t shifted = int64_t{Count} + Delta;
  if (shifted > INT32_MAX) throw ERangeError("Grid count out of range");
  return static_cast<int32_t>(shifted);
}

}  // namespace

void TGridModel::SetColCount(int32_t Value) {
  Value = ClampCount(Value, FFixedCols);
  if (FEmpty) {
    FEmptiedColCount = Value;  // shown when rows come back
    return;
  }
  ChangeSize(Value, FRowCount);
  if (FOptions.Contains(goRowSelect)) FAnchor.X = FColCount - 1;
  FWindow.InvalidateGrid();
}

void TGridModel::SetRowCount(int32_t Value) {
  Value = ClampCount(Value, FFixedRows);
  if (!FEmpty) {
    ChangeSize(FColCount, Value);
    return;
  }
  const TGridCoord old{FColCount, FRowCount};
  LeaveEmpty(Value);
  FinishSizeChange(old);
}

// Rows come back to an emptied grid: its columns with them, the cells from the start.
void TGridModel::LeaveEmpty(int32_t NewRowCount) {
  FEmpty = false;
  StoreCounts(ClampCount(FEmptiedColCount, FFixedCols), NewRowCount);
  Initialize();
}

void TGridModel::SetFixedCols(int32_t Value) { ChangeFixedCount(false, Value); }

void TGridModel::SetFixedRows(int32_t Value) { ChangeFixedCount(true, Value); }

void TGridModel::ChangeFixedCount(bool Rows, int32_t Value) {
  if (Value < 0) throw ERangeError("Negative fixed count");
  int32_t& fixed = Rows ? FFixedRows : FFixedCols;
  if (Value == fixed) return;
  const int32_t delta = Value - fixed;
  const TGridCoord old{FColCount, FRowCount};
  TGridCoord counts = old;
  if (FEmpty) {
    if (!Rows) FEmptiedColCount = ShiftedCount(FEmptiedColCount, delta);
  } else {
    int32_t& count = Rows ? counts.Y : counts.X;
    count = ShiftedCount(count, delta);
  }
  fixed = Value;
  FSelection.SetFixedRows(FFixedRows);
  if (FEmpty)
    SetEmptyCounts();
  else
    StoreCounts(counts.X, counts.Y);
  Initialize();
  FinishSizeChange(old);
}

void TGridModel::SetDataRowCount(int32_t Value) {
  if (Value < 0 || Value > INT32_MAX - FFixedRows) throw ERangeError("Data row count out of range");
  if (Value != GetDataRowCount()) {
    if (Value == 0)
      EmptyGrid();
    else
      StoreDataRowCount(Value + FFixedRows);
  }
  if (!FEmpty) SetCellSelected(0, Row(), true);
}

// The rows are stored as they are: the cells stay where they are and the view does not
// move to them, so a list filled anew keeps its place. Only cells on rows that went come
// back to the last row.
void TGridModel::StoreDataRowCount(int32_t NewRowCount) {
  if (FInplace.Y >= NewRowCount) HideEdit();  // its text goes back while its row exists
  if (FEmpty)
    LeaveEmpty(NewRowCount);
  else
    StoreCounts(FColCount, NewRowCount);
  for (TGridCoord* cell : {&FCurrent, &FFocused, &FAnchor}) cell->Y = std::min(cell->Y, NewRowCount - 1);
  FWindow.InvalidateGrid();
  // The bars follow the count; a view below the last row comes back to it.
  UpdateScrollRange();
}

// The counts are stored as they are, as when rows come or go: no SizeChanged.
void TGridModel::EmptyGrid() {
  HideEdit();
  FEmptiedColCount = FColCount;
  FEmpty = true;
  FColOffset = 0;
  SetEmptyCounts();
  Initialize();
  FWindow.InvalidateGrid();
  UpdateScrollRange();
}

// Only the fixed cells are left, their flags fresh: nothing is selected.
void TGridModel::SetEmptyCounts() {
  FColCount = FFixedCols;
  FRowCount = FFixedRows;
  FSelection.Reset(FColCount, FRowCount);
}

void TGridModel::StoreCounts(int32_t NewColCount, int32_t NewRowCount) {
  FColCount = NewColCount;
  FRowCount = NewRowCount;
  FSelection.Resize(FColCount, FRowCount);
  FColWidths.Resize(FColCount);
  if (!FTabStops.empty()) FTabStops.resize(static_cast<size_t>(FColCount), true);
  FRowHeights.Resize(FRowCount);
}

void TGridModel::FinishSizeChange(TGridCoord OldCounts) {
  FWindow.InvalidateGrid();
  UpdateScrollRange();
  SizeChanged(OldCounts.X, OldCounts.Y);
}

void TGridModel::ChangeSize(int32_t NewColCount, int32_t NewRowCount) {
  const TGridCoord old{FColCount, FRowCount};
  StoreCounts(NewColCount, NewRowCount);
  // Cells cut off come back to the last row (column).
  TGridCoord cell = FCurrent;
  const bool rowGone = FCurrent.Y >= FRowCount || FFocused.Y >= FRowCount;
  const bool colGone = FCurrent.X >= FColCount || FFocused.X >= FColCount;
  if (rowGone) cell.Y = FRowCount - 1;
  if (colGone) cell.X = FColCount - 1;
  if (rowGone || colGone) MoveCurrent(cell.X, cell.Y, true, true);
  if (cell != FAnchor) MoveAnchorTo(cell);
  FinishSizeChange(old);
}

// --- Extents

void TGridModel::SetDefaultColWidth(int32_t Value) {
  FColWidths.SetDefault(Value);
  ColWidthsChanged();
  FWindow.InvalidateGrid();
}

void TGridModel::SetDefaultRowHeight(int32_t Value) {
  FRowHeights.SetDefault(Value);
  RowHeightsChanged();
  FWindow.InvalidateGrid();
}

void TGridModel::SetColWidths(int32_t Index, int32_t Value) {
  if (!FColWidths.Set(Index, Value, FColCount)) return;
  FWindow.InvalidateGrid();
  ColWidthsChanged();
}

void TGridModel::SetRowHeights(int32_t Index, int32_t Value) {
  if (!FRowHeights.Set(Index, Value, FRowCount)) return;
  FWindow.InvalidateGrid();
  RowHeightsChanged();
}

bool TGridModel::TabStops(int32_t Index) const {
  return Index < 0 || static_cast<size_t>(Index) >= FTabStops.size() || FTabStops[static_cast<size_t>(Index)];
}

void TGridModel::SetTabStops(int32_t Index, bool Value) {
  CheckRange(Index, FColCount);
  if (FTabStops.empty()) FTabStops.assign(static_cast<size_t>(FColCount), true);
  FTabStops[static_cast<size_t>(Index)] = Value;
}

void TGridModel::SetGridLineWidth(int32_t Value) {
  CheckGridExtent(Value);
  if (Value == FGridLineWidth) return;
  FGridLineWidth = Value;
  FWindow.InvalidateGrid();
}

void TGridModel::DefineCellExtents(TFiler& Filer) {
  if (!FSaveCellExtents) return;
  for (const bool widths : {true, false}) {
    Filer.DefineIntegerListProperty(
        widths ? "ColWidths" : "RowHeights",
        [this, widths](const std::vector<int32_t>& Values) {
          for (size_t i = 0; i < Values.size(); ++i) {
            const auto index = static_cast<int32_t>(i);
            widths ? SetColWidths(index, Values[i]) : SetRowHeights(index, Values[i]);
          }
        },
        [this, widths] {
          std::vector<int32_t> values(static_cast<size_t>(widths ? FColCount : FRowCount));
          for (size_t i = 0; i < values.size(); ++i)
            values[i] = widths ? ColWidths(static_cast<int32_t>(i)) : RowHeights(static_cast<int32_t>(i));
          return values;
        },
        (widths ? FColWidths : FRowHeights).Exists());
  }
}

void TGridModel::ColWidthsChanged() {
  UpdateScrollRange();
  UpdateEdit();
}

void TGridModel::RowHeightsChanged() {
  UpdateScrollRange();
  UpdateEdit();
}

// --- Options

void TGridModel::SetOptions(TGridOptions Value) {
  if (Value == FOptions) return;
  const bool rowSelect = Value.Contains(goRowSelect);
  if (rowSelect) Value.Exclude(goAlwaysShowEditor);
  FSelection.SetRowMode(rowSelect);
  FSelection.UpdateSelectedRows();
  FOptions = Value;
  EditorOptionsChanged();
  // The current cell is moved onto itself so that its whole row is selected.
  if (rowSelect) MoveCurrent(FCurrent.X, FCurrent.Y, true, false);
  FWindow.InvalidateGrid();
}

void TGridModel::SetFocusOnCell(bool Value) {
  if (Value == FFocusOnCell) return;
  FFocusOnCell = Value;
  if (Value) FFocusOnRow = false;
  FWindow.InvalidateGrid();
}

void TGridModel::SetFocusOnRow(bool Value) {
  if (Value == FFocusOnRow) return;
  FFocusOnRow = Value;
  if (Value) FFocusOnCell = false;
  FWindow.InvalidateGrid();
}

void TGridModel::SetReservedColumn(int32_t Value) {
  if (Value == FReservedColumn || Value <= FFixedCols) return;
  if (Value > FColCount) SetColCount(Value);
  FReservedColumn = Value;
}

// --- Cells

void TGridModel::Initialize() {
  FTopLeft = {FFixedCols, FFixedRows};
  FCurrent = FTopLeft;
  FFocused = FTopLeft;
  FAnchor = FTopLeft;
  if (FOptions.Contains(goRowSelect)) FAnchor.X = FColCount - 1;
}

TGridRect TGridModel::Selection() const {
  return {std::min(FCurrent.X, FAnchor.X), std::min(FCurrent.Y, FAnchor.Y), std::max(FCurrent.X, FAnchor.X),
          std::max(FCurrent.Y, FAnchor.Y)};
}

void TGridModel::SetSelection(const TGridRect& Value) {
  const TGridRect old = Selection();
  StoreSelection(Value);
  SelectionMoved(old);
}

void TGridModel::StoreSelection(const TGridRect& Value) {
  FAnchor = {Value.Left, Value.Top};
  FCurrent = {Value.Right, Value.Bottom};
}

void TGridModel::SelectionMoved(const TGridRect& OldSelection) {
  FWindow.RepaintGridRect(MovedSelectionRect(OldSelection));
}

TGridRect TGridModel::MovedSelectionRect(const TGridRect& OldSelection) const {
  const TGridRect now = Selection();
  return {now.Left < OldSelection.Left ? now.Left : std::max(OldSelection.Left, LeftCol()),
          now.Top < OldSelection.Top ? now.Top : std::max(OldSelection.Top, TopRow()),
          std::max(OldSelection.Right, now.Right), std::max(OldSelection.Bottom, now.Bottom)};
}

void TGridModel::CheckCell(int32_t ACol, int32_t ARow) const {
  if (ACol < 0 || ACol >= FColCount || ARow < 0 || ARow >= FRowCount) throw ERangeError("Grid index out of range");
}

bool TGridModel::SelectCell(int32_t ACol, int32_t ARow) {
  FFocused = {ACol, ARow};
  return true;
}

bool TGridModel::RangeSelectOnly() const {
  return FOptions * TGridOptions{goRangeSelect, goEditing} == TGridOptions{goRangeSelect};
}

void TGridModel::MoveCurrent(int32_t ACol, int32_t ARow, bool MoveAnchor, bool Show) {
  if (FWindow.GridLoading() || FEmpty) return;
  CheckCell(ACol, ARow);
  const bool rowSelect = FOptions.Contains(goRowSelect);
  const TGridCoord previous = FFocusOnCell && rowSelect ? FFocused : FCurrent;
  const TGridCoord oldFocused = FFocused;
  if (!SelectCell(ACol, ARow)) return;
  const TGridRect oldSelection = Selection();
  FCurrent = {ACol, ARow};
  if (!FOptions.Contains(goAlwaysShowEditor)) HideEdit();
  if (MoveAnchor)
    FSelection.SelectOnly(ARow);
  else  // the rows between the anchor and the new row selected, those left behind cleared
    FSelection.ExtendTo(FAnchor.Y, previous.Y, ARow);
  if (MoveAnchor || !FOptions.Contains(goRangeSelect)) {
    FAnchor = FCurrent;
    if (rowSelect) FAnchor.X = FColCount - 1;
  }
  if (rowSelect) FCurrent.X = FFixedCols;
  if (Show) ClampInView(FFocused);
  // One drawing for the moved selection and the rows whose flags changed.
  TGridRect repaint;
  if (MoveAnchor) {
    repaint = MovedSelectionRect(oldSelection);
  } else {
    const int32_t left = LeftCol();
    repaint = {left, std::min({oldFocused.Y, previous.Y, FFocused.Y}), left + VisibleColCount() + 1,
               std::max({oldFocused.Y, previous.Y, FFocused.Y})};
  }
  TGridRect changed;
  if (TakeVisibleChangedRows(changed))
    repaint = {std::min(repaint.Left, changed.Left), std::min(repaint.Top, changed.Top),
               std::max(repaint.Right, changed.Right), std::max(repaint.Bottom, changed.Bottom)};
  FWindow.RepaintGridRect(repaint);
}

void TGridModel::SetRow(int32_t Value) {
  if (Value != Row()) FocusCell(Col(), Value, true);
}

void TGridModel::FocusCell(int32_t ACol, int32_t ARow, bool MoveAnchor) {
  if (FEmpty) return;
  MoveCurrent(ACol, ARow, MoveAnchor, true);
  UpdateEdit();
  NotifyClick();
}

void TGridModel::MoveAnchorTo(TGridCoord Cell) {
  if (FEmpty) return;
  if (!RangeSelectOnly()) {
    MoveCurrent(Cell.X, Cell.Y, true, true);
    return;
  }
  const TGridRect old = Selection();
  FAnchor = Cell;
  if (FOptions.Contains(goRowSelect)) FAnchor.X = FColCount - 1;
  ClampInView(Cell);
  SelectionMoved(old);
}

void TGridModel::TimedScroll(int Direction) {
  if (FEmpty) return;
  TGridCoord cell = FAnchor;
  if ((Direction & sdLeft) && cell.X > FFixedCols) --cell.X;
  if ((Direction & sdRight) && cell.X < FColCount - 1) ++cell.X;
  if ((Direction & sdUp) && cell.Y > FFixedRows) --cell.Y;
  if ((Direction & sdDown) && cell.Y < FRowCount - 1) ++cell.Y;
  if (cell != FAnchor) MoveAnchorTo(cell);
}

// --- Row selection

// The rows whose flag changed are drawn at once, as far as they are visible.
void TGridModel::RepaintChangedRows() {
  TGridRect changed;
  if (TakeVisibleChangedRows(changed)) FWindow.RepaintGridRect(changed);
}

bool TGridModel::TakeVisibleChangedRows(TGridRect& Rows) {
  int32_t first = 0;
  int32_t last = 0;
  if (!FSelection.TakeChangedRows(first, last)) return false;
  first = std::max(first, TopRow());
  last = std::min(last, TopRow() + VisibleRowCount());
  Rows = {LeftCol(), first, LeftCol() + VisibleColCount(), last};
  return first <= last;
}

void TGridModel::SetCellEnabled(int32_t ACol, int32_t ARow, bool Value) {
  FSelection.SetCellEnabled(ACol, ARow, Value);
  RepaintChangedRows();
}

void TGridModel::SetCellSelectable(int32_t ACol, int32_t ARow, bool Value) {
  FSelection.SetCellSelectable(ACol, ARow, Value);
  RepaintChangedRows();
}

void TGridModel::SetCellSelected(int32_t ACol, int32_t ARow, bool Value) {
  FSelection.SetCellSelected(ACol, ARow, Value);
  RepaintChangedRows();
}

void TGridModel::SelectRange(int32_t From, int32_t To, bool Value) {
  if (FEmpty) return;
  FSelection.SelectRange(From, To, Value);
  RepaintChangedRows();
}

void TGridModel::SelectDataRows(const std::vector<int32_t>& Rows) {
  if (!FWindow.GridEnabled() || FEmpty) return;
  for (int32_t row : Rows)
    if (row < 0 || row >= GetDataRowCount()) throw ERangeError("Grid index out of range");
  WithUpdate(FSelection, [&] {
    if (!Rows.empty()) MoveCurrent(FFixedCols, FFixedRows + *std::min_element(Rows.begin(), Rows.end()), true, false);
    FSelection.SelectRange(FFixedRows, FRowCount - 1, false);
    for (int32_t row : Rows) FSelection.SetCellSelected(0, FFixedRows + row, true);
  });
  RepaintChangedRows();
}

void TGridModel::SelectRows(int Mode) {
  if (Mode < SelectAllRows || Mode > InvertRows) throw ERangeError("Invalid selection mode");
  if (!FWindow.GridEnabled() || FEmpty) return;
  const int32_t lastCol = FColCount - 1;
  WithUpdate(FSelection, [&] {
    if (Mode == SelectAllRows)
      FSelection.SelectRange(FFixedRows, FRowCount - 1, true);
    else if (Mode == SelectFocusedRow)
      FSelection.SelectOnly(Row());
    else
      FSelection.InvertDataRows();
  });
  // The whole grid is drawn anew: the selected range is taken without drawing it first.
  if (Mode == SelectAllRows) StoreSelection({FFixedCols, FFixedRows, lastCol, FRowCount - 1});
  if (Mode == SelectFocusedRow) StoreSelection({FFixedCols, Row(), lastCol, Row()});
  int32_t first = 0;
  int32_t last = 0;
  FSelection.TakeChangedRows(first, last);
  FWindow.InvalidateGrid();
}

// --- Moving lines

void TGridModel::MoveRow(int32_t FromIndex, int32_t ToIndex) {
  CheckRange(FromIndex, FRowCount);
  CheckRange(ToIndex, FRowCount);
  if (FromIndex == ToIndex) return;
  const int32_t oldFocusedRow = FFocused.Y;
  FRowHeights.Move(FromIndex, ToIndex);
  MoveAdjust(FCurrent.Y, FromIndex, ToIndex);
  int32_t focusedRow = FFocused.Y;
  MoveAdjust(focusedRow, FromIndex, ToIndex);
  SelectCell(FFocused.X, focusedRow);
  MoveAdjust(FAnchor.Y, FromIndex, ToIndex);
  if (FInplace.Y >= 0) MoveAdjust(FInplace.Y, FromIndex, ToIndex);
  // The flags move before anyone hears of the move, so that handlers see the grid whole.
  FSelection.MoveRow(FromIndex, ToIndex);
  RowMoved(FromIndex, ToIndex);
  if (FRowHeights.Exists()) RowHeightsChanged();
  for (int32_t row : {FromIndex, ToIndex, oldFocusedRow, FFocused.Y}) FWindow.RepaintGridRect(RowRepaintRect(row));
  UpdateEdit();
}

void TGridModel::MoveColumn(int32_t FromIndex, int32_t ToIndex) {
  CheckRange(FromIndex, FColCount);
  CheckRange(ToIndex, FColCount);
  if (FromIndex == ToIndex) return;
  FColWidths.Move(FromIndex, ToIndex);
  if (!FTabStops.empty()) MoveElement(FTabStops, FromIndex, ToIndex);
  // The edited text goes back to its own column.
  if (FInplace.X >= 0) MoveAdjust(FInplace.X, FromIndex, ToIndex);
  FSelection.MoveColumn(FromIndex, ToIndex);
  ColumnMoved(FromIndex, ToIndex);
  FWindow.InvalidateGrid();
}

void TGridModel::DeleteRow(int32_t ARow) { AdjustSize(ARow, -1, true); }

void TGridModel::DeleteColumn(int32_t ACol) { AdjustSize(ACol, -1, false); }

void TGridModel::AdjustSize(int32_t Index, int32_t Amount, bool Rows) {
  const int32_t count = Rows ? FRowCount : FColCount;
  if (Index < 0 || Index > count || (Amount < 0 && Index == count)) throw ERangeError("Grid index out of range");
  const auto setCount = [&](int64_t Value) {
    if (Value > INT32_MAX) throw ERangeError("Grid count out of range");
    Rows ? SetRowCount(static_cast<int32_t>(Value)) : SetColCount(static_cast<int32_t>(Value));
  };
  const auto move = [&](int32_t From, int32_t To) { Rows ? MoveRow(From, To) : MoveColumn(From, To); };
  if (Amount < 0) {
    // Each line taken out goes to the end, which the count then cuts off.
    const int32_t removed = static_cast<int32_t>(std::min<int64_t>(-int64_t{Amount}, count - Index));
    for (int32_t i = 0; i < removed; ++i) move(Index, count - 1);
    setCount(count - removed);
  } else if (Amount > 0) {
    // New lines come at the end and move up to Index, the lines from Index after them.
    setCount(int64_t{count} + Amount);
    const int32_t last = (Rows ? FRowCount : FColCount) - 1;
    if (Index < count)
      for (int32_t i = 0; i < Amount; ++i) move(last, Index);
  }
}

// --- Geometry

void TGridModel::CalcDrawInfo(TGridDrawInfo& DrawInfo) const {
  const TSize client = FWindow.GridClientSize();
  auto axis = [this](TGridAxisDrawInfo& Axis, bool Lines, int32_t Extent, int32_t Fixed, int32_t First,
                     int32_t Count, const TGridExtents& Extents) {
    Axis.EffectiveLineWidth = Lines ? FGridLineWidth : 0;
    Axis.GridExtent = Extent;
    Axis.FixedCellCount = Fixed;
    Axis.FirstGridCell = First;
    Axis.GridCellCount = Count;
    Axis.Extents = &Extents;
    CalcAxisBoundaries(Axis);
  };
  axis(DrawInfo.Horz, FOptions.Contains(goFixedVertLine) || FOptions.Contains(goVertLine), client.cx, FFixedCols,
       FTopLeft.X, FColCount, FColWidths);
  axis(DrawInfo.Vert, FOptions.Contains(goFixedHorzLine) || FOptions.Contains(goHorzLine), client.cy, FFixedRows,
       FTopLeft.Y, FRowCount, FRowHeights);
}

int32_t TGridModel::VisibleColCount() const {
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  return drawInfo.Horz.VisibleCount();
}

int32_t TGridModel::VisibleRowCount() const {
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  return drawInfo.Vert.VisibleCount();
}

TGridCoord TGridModel::MouseCoord(int32_t X, int32_t Y) const {
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  return CalcCoordFromPoint(drawInfo, {X, Y}, FWindow.GridRightToLeft());
}

TRect TGridModel::BoxRect(const TGridRect& GridRect) const {
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  return GridRectToScreenRect(GridRect, drawInfo, false, FWindow.GridRightToLeft());
}

TRect TGridModel::CellRect(int32_t ACol, int32_t ARow) const { return BoxRect({ACol, ARow, ACol, ARow}); }

TRect TGridModel::FocusedCellBox() const {
  if (FOptions.Contains(goRowSelect)) return BoxRect({FixedCols(), Row(), ColCount() - 1, Row()});
  return CellRect(Col(), Row());
}

TGridRect TGridModel::RowRepaintRect(int32_t ARow) const { return {0, ARow, LeftCol() + VisibleColCount(), ARow}; }

TGridRect TGridModel::ColumnRepaintRect(int32_t ACol) const {
  return {ACol, 0, ACol, TopRow() + VisibleRowCount()};
}
