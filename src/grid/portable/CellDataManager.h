#pragma once
// The grid's per-cell flags: one record per cell of whether it is enabled, can be
// selected and is selected. In row mode every column reads and writes the record of
// column 0, so one record stands for the whole row. The store counts the selected
// records, whatever changes them.

#include <cstdint>
#include <vector>

struct TCellData {
  uint8_t Enabled = 1;
  uint8_t Selectable = 1;
  uint8_t Selected = 0;
};

class TCellDataManager {
public:
  TCellDataManager(int32_t ColCount, int32_t RowCount, bool RowMode);

  bool RowMode() const { return FRowMode; }
  void SetRowMode(bool Value) { FRowMode = Value; }
  int32_t ColCount() const { return FColCount; }
  int32_t RowCount() const { return static_cast<int32_t>(FRows.size()); }
  // Records whose Selected flag is set.
  int32_t SelectedCount() const { return FSelectedCount; }

  // Brings every row to ColCount records and the store to RowCount rows; new records
  // are (1, 1, 0), and selected records cut off leave the count.
  void Resize(int32_t ColCount, int32_t RowCount);
  // Moves a row's records (a column's record in every row, except in row mode) to
  // another index.
  void MoveRow(int32_t FromIndex, int32_t ToIndex);
  void MoveColumn(int32_t FromIndex, int32_t ToIndex);

  // The flags of a cell; ERangeError outside the store.
  const TCellData& Cell(int32_t Col, int32_t Row) const;

  // The flag rules; each returns whether the Selected flag changed. A cell that is not
  // enabled cannot be selectable, and one that is not both can never become selected.
  bool SetCellEnabled(int32_t Col, int32_t Row, bool Value);
  bool SetCellSelectable(int32_t Col, int32_t Row, bool Value);
  bool SetCellSelected(int32_t Col, int32_t Row, bool Value);

private:
  TCellData& At(int32_t Col, int32_t Row);

  int32_t FColCount;
  bool FRowMode;
  std::vector<std::vector<TCellData>> FRows;
  int32_t FSelectedCount = 0;
};
