#include "CellDataManager.h"

#include "GridExtents.h"

#include "base/Exceptions.h"

TCellDataManager::TCellDataManager(int32_t ColCount, int32_t RowCount, bool RowMode)
    : FColCount(0), FRowMode(RowMode) {
  Resize(ColCount, RowCount);
}

void TCellDataManager::Resize(int32_t ColCount, int32_t RowCount) {
  if (ColCount < 0 || RowCount < 0) throw ERangeError("Negative cell count");
  const auto cols = static_cast<size_t>(ColCount);
  const auto rows = static_cast<size_t>(RowCount);
  for (size_t row = rows; row < FRows.size(); ++row)
    for (const TCellData& cell : FRows[row]) FSelectedCount -= cell.Selected;
  FRows.resize(rows);
  for (std::vector<TCellData>& row : FRows) {
    for (size_t col = cols; col < row.size(); ++col) FSelectedCount -= row[col].Selected;
    row.resize(cols);
  }
  FColCount = ColCount;
}

void TCellDataManager::MoveRow(int32_t FromIndex, int32_t ToIndex) {
  CheckRange(FromIndex, RowCount());
  CheckRange(ToIndex, RowCount());
  MoveElement(FRows, FromIndex, ToIndex);
}

void TCellDataManager::MoveColumn(int32_t FromIndex, int32_t ToIndex) {
  CheckRange(FromIndex, FColCount);
  CheckRange(ToIndex, FColCount);
  // In row mode the record of column 0 stands for the row wherever its columns go.
  if (FRowMode) return;
  for (std::vector<TCellData>& row : FRows) MoveElement(row, FromIndex, ToIndex);
}

const TCellData& TCellDataManager::Cell(int32_t Col, int32_t Row) const {
  return const_cast<TCellDataManager*>(this)->At(Col, Row);
}

TCellData& TCellDataManager::At(int32_t Col, int32_t Row) {
  if (FRowMode) Col = 0;
  CheckRange(Row, RowCount());
  CheckRange(Col, FColCount);
  return FRows[static_cast<size_t>(Row)][static_cast<size_t>(Col)];
}

bool TCellDataManager::SetCellEnabled(int32_t Col, int32_t Row, bool Value) {
  TCellData& cell = At(Col, Row);
  if (cell.Enabled == Value) return false;
  cell.Enabled = Value;
  return SetCellSelectable(Col, Row, Value);
}

bool TCellDataManager::SetCellSelectable(int32_t Col, int32_t Row, bool Value) {
  TCellData& cell = At(Col, Row);
  if (cell.Selectable == Value) return false;
  cell.Selectable = cell.Enabled && Value;
  // A cell drawn as unselectable must not stay in the selection, also while it stays
  // enabled: the commands act on the selected rows and would take a row shown as out.
  return cell.Selectable ? false : SetCellSelected(Col, Row, false);
}

bool TCellDataManager::SetCellSelected(int32_t Col, int32_t Row, bool Value) {
  TCellData& cell = At(Col, Row);
  if (cell.Selected == Value) return false;
  if (cell.Enabled && cell.Selectable) {
    cell.Selected = Value;
    FSelectedCount += Value ? 1 : -1;
    return true;
  }
  if (!cell.Selected) return false;
  cell.Selected = 0;
  --FSelectedCount;
  return true;
}
