#pragma once
// The grid's multi-row selection: the cell flags, the rules that set them row by row,
// selection batches that announce a whole change once, and the list of selected data
// rows that the windows hand to the rename engine and the tag editor.

#include "CellDataManager.h"

#include <cstdint>
#include <functional>
#include <vector>

class TGridSelection {
public:
  TGridSelection(int32_t ColCount, int32_t RowCount, bool RowMode);
  TGridSelection(const TGridSelection&) = delete;
  TGridSelection& operator=(const TGridSelection&) = delete;

  const TCellDataManager& Cells() const { return FCells; }
  void SetRowMode(bool Value) { FCells.SetRowMode(Value); }
  // Rows before FixedRows are no data rows: the bulk operations and the list skip them.
  void SetFixedRows(int32_t Value);
  int32_t SelectedCount() const { return FCells.SelectedCount(); }

  // The selected data rows (row - FixedRows), in row order, kept up to date: refreshed
  // before every change announcement and after the store is resized or rows move. The
  // vector lives as long as the selection.
  const std::vector<int32_t>& SelectedRows() const { return FSelectedRows; }
  void UpdateSelectedRows();

  // Called once per change outside a batch, and once when the outermost batch closes.
  std::function<void()> OnChange;

  // Batches nest; the change is announced when the outermost one closes, also when an
  // exception leaves it (use WithUpdate).
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return FBatchCount > 0; }

  // The flag rules of the store, announcing a change of the Selected flag.
  void SetCellEnabled(int32_t Col, int32_t Row, bool Value);
  void SetCellSelectable(int32_t Col, int32_t Row, bool Value);
  void SetCellSelected(int32_t Col, int32_t Row, bool Value);

  // Sets the flag of every data row between From and To, in either order; rows outside
  // the data rows are left out.
  void SelectRange(int32_t From, int32_t To, bool Value);
  void InvertDataRows();
  // A plain move to Row: it alone stays selected.
  void SelectOnly(int32_t Row);
  // A Shift move from Previous to New about Anchor: the rows Previous left behind on its
  // side of the anchor are cleared, then Anchor .. New is selected.
  void ExtendTo(int32_t Anchor, int32_t Previous, int32_t New);

  // Follow the store's shape; the list is refreshed.
  void Resize(int32_t ColCount, int32_t RowCount);
  // A store of fresh records: nothing selected.
  void Reset(int32_t ColCount, int32_t RowCount);
  void MoveRow(int32_t FromIndex, int32_t ToIndex);
  void MoveColumn(int32_t FromIndex, int32_t ToIndex);

  // The rows whose Selected flag changed since the last call; false when none did.
  bool TakeChangedRows(int32_t& First, int32_t& Last);

private:
  void Changed(bool SelectionChanged, int32_t Row);
  void Announce();
  void SetRowSelected(int32_t Row, bool Value);

  TCellDataManager FCells;
  int32_t FFixedRows = 0;
  int FBatchCount = 0;
  bool FListStale = false;
  std::vector<int32_t> FSelectedRows;
  int32_t FChangedFirst = -1;
  int32_t FChangedLast = -1;
};
