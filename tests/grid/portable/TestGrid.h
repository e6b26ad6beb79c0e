#pragma once
// A grid model on a pretend window (its fields are the window's: client size, states and
// the record of what the model asked of it) that also records the model's events.

#include "FakeGridWindow.h"

#include "grid/portable/GridModel.h"

#include <utility>
#include <vector>

// The window base comes first: the model is handed it while it is made.
class TTestGrid : public TFakeGridWindow, public TGridModel {
public:
  TTestGrid() : TGridModel(static_cast<TGridWindow&>(*this)) {}

  int SelectionChanges = 0;
  // The selected rows as the change announcement found them.
  std::vector<int32_t> RowsAtLastChange;
  std::vector<std::pair<int32_t, int32_t>> RowMoves;
  // The selected rows as each row move's announcement found them.
  std::vector<std::vector<int32_t>> RowsAtRowMoves;
  int SizeChanges = 0;

  using TGridModel::AdjustSize;

  // The grid as the program's file list sets it up: rows selected as ranges.
  static constexpr TGridOptions FileListOptions{goRangeSelect, goDrawFocusSelected, goRowSelect};

  // Selected records counted one by one (in row mode column 0 stands for the row), and
  // the selected data rows found the same way.
  int32_t RecountSelected() const {
    const int32_t cols = CellData().RowMode() ? 1 : CellData().ColCount();
    int32_t count = 0;
    for (int32_t row = 0; row < CellData().RowCount(); ++row)
      for (int32_t col = 0; col < cols; ++col) count += CellData().Cell(col, row).Selected;
    return count;
  }
  std::vector<int32_t> RecountRows() const {
    std::vector<int32_t> rows;
    for (int32_t row = FixedRows(); row < RowCount(); ++row)
      if (GetCellSelected(0, row)) rows.push_back(row - FixedRows());
    return rows;
  }

protected:
  void SelectionChanged() override {
    ++SelectionChanges;
    RowsAtLastChange = GetSelectedRows();
  }
  void RowMoved(int32_t FromIndex, int32_t ToIndex) override {
    RowMoves.emplace_back(FromIndex, ToIndex);
    RowsAtRowMoves.push_back(GetSelectedRows());
  }
  void SizeChanged(int32_t, int32_t) override { ++SizeChanges; }
};
