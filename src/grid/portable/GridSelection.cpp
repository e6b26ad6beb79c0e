#include "GridSelection.h"

#include "base/UpdateScope.h"

#include <algorithm>

TGridSelection::TGridSelection(int32_t ColCount, int32_t RowCount, bool RowMode)
    : FCells(ColCount, RowCount, RowMode) {}

void TGridSelection::SetFixedRows(int32_t Value) {
  FFixedRows = Value;
  UpdateSelectedRows();
}

void TGridSelection::UpdateSelectedRows() {
  FSelectedRows.clear();
  for (int32_t row = FFixedRows; row < FCells.RowCount(); ++row)
    if (FCells.Cell(0, row).Selected) FSelectedRows.push_back(row - FFixedRows);
  FListStale = false;
}

void TGridSelection::BeginUpdate() { ++FBatchCount; }

void TGridSelection::EndUpdate() {
  if (FBatchCount > 1) {
    --FBatchCount;
    return;
  }
  FBatchCount = 0;
  Announce();
}

void TGridSelection::Announce() {
  if (FListStale) UpdateSelectedRows();
  if (OnChange) OnChange();
}

void TGridSelection::Changed(bool SelectionChanged, int32_t Row) {
  if (!SelectionChanged) return;
  FListStale = true;
  FChangedFirst = FChangedFirst < 0 ? Row : std::min(FChangedFirst, Row);
  FChangedLast = std::max(FChangedLast, Row);
  if (!Updating()) Announce();
}

void TGridSelection::SetCellEnabled(int32_t Col, int32_t Row, bool Value) {
  Changed(FCells.SetCellEnabled(Col, Row, Value), Row);
}

void TGridSelection::SetCellSelectable(int32_t Col, int32_t Row, bool Value) {
  Changed(FCells.SetCellSelectable(Col, Row, Value), Row);
}

void TGridSelection::SetCellSelected(int32_t Col, int32_t Row, bool Value) {
  Changed(FCells.SetCellSelected(Col, Row, Value), Row);
}

void TGridSelection::SetRowSelected(int32_t Row, bool Value) { SetCellSelected(0, Row, Value); }

void TGridSelection::SelectRange(int32_t From, int32_t To, bool Value) {
  WithUpdate(*this, [&] {
    // A range that reaches as far as there are data rows or further is no range of the
    // data rows: it changes nothing.
    const int64_t span = static_cast<int64_t>(std::max(From, To)) - std::min(From, To);
    if (span >= FCells.RowCount() - FFixedRows) return;
    const int32_t first = std::max(std::min(From, To), FFixedRows);
    const int32_t last = std::min(std::max(From, To), FCells.RowCount() - 1);
    for (int32_t row = first; row <= last; ++row) SetRowSelected(row, Value);
  });
}

void TGridSelection::InvertDataRows() {
  WithUpdate(*this, [&] {
    for (int32_t row = FFixedRows; row < FCells.RowCount(); ++row)
      SetRowSelected(row, !FCells.Cell(0, row).Selected);
  });
}

void TGridSelection::SelectOnly(int32_t Row) {
  WithUpdate(*this, [&] {
    SelectRange(FFixedRows, FCells.RowCount() - 1, false);
    SetRowSelected(Row, true);
  });
}

// The rows between the anchor and New end up selected and those left behind cleared, also
// when the range swings past the anchor: anchor 5, rows 5 to 8, then Shift to row 2 clears
// 6 to 8 (clearing only when New lies between the anchor and Previous would keep them).
void TGridSelection::ExtendTo(int32_t Anchor, int32_t Previous, int32_t New) {
  WithUpdate(*this, [&] {
    if (Previous > Anchor)
      SelectRange(Anchor + 1, Previous, false);
    else if (Previous < Anchor)
      SelectRange(Previous, Anchor - 1, false);
    SelectRange(Anchor, New, true);
  });
}

void TGridSelection::Resize(int32_t ColCount, int32_t RowCount) {
  FCells.Resize(ColCount, RowCount);
  UpdateSelectedRows();
}

void TGridSelection::Reset(int32_t ColCount, int32_t RowCount) {
  FCells.Resize(ColCount, 0);
  Resize(ColCount, RowCount);
}

void TGridSelection::MoveRow(int32_t FromIndex, int32_t ToIndex) {
  FCells.MoveRow(FromIndex, ToIndex);
  UpdateSelectedRows();
}

void TGridSelection::MoveColumn(int32_t FromIndex, int32_t ToIndex) {
  FCells.MoveColumn(FromIndex, ToIndex);
  UpdateSelectedRows();
}

bool TGridSelection::TakeChangedRows(int32_t& First, int32_t& Last) {
  if (FChangedFirst < 0) return false;
  First = FChangedFirst;
  Last = FChangedLast;
  FChangedFirst = FChangedLast = -1;
  return true;
}
