#pragma once
// A grid model with a pretend window of a given client size that records what the
// model asks of its window.

#include "grid/portable/GridModel.h"

#include <map>
#include <vector>

class TTestGrid : public TGridModel {
public:
  TSize Client{300, 200};
  bool RightToLeft = false;

  int SelectionChanges = 0;
  // The selected rows as the change announcement found them.
  std::vector<int32_t> RowsAtLastChange;
  int Invalidations = 0;
  std::vector<TGridRect> Repaints;
  std::vector<TGridScrollArea> Scrolls;
  std::vector<std::pair<int32_t, int32_t>> RowMoves;
  std::map<TGridBar, int32_t> BarPositions;
  std::map<TGridBar, TGridScrollRange> BarRanges;
  int MouseTimers = 0;  // running held-button timers

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
  TSize GridClientSize() const override { return Client; }
  bool GridRightToLeft() const override { return RightToLeft; }
  bool GridWindowExists() const override { return true; }
  bool GridShowing() const override { return true; }
  void InvalidateGrid() override { ++Invalidations; }
  void RepaintGridRect(const TGridRect& Rect) override { Repaints.push_back(Rect); }
  void ScrollGridArea(const TGridScrollArea& Area) override { Scrolls.push_back(Area); }
  void SetScrollBarPosition(TGridBar Bar, int32_t Pos) override { BarPositions[Bar] = Pos; }
  void SetScrollBarRange(TGridBar Bar, const TGridScrollRange& Range) override { BarRanges[Bar] = Range; }
  void SelectionChanged() override {
    ++SelectionChanges;
    RowsAtLastChange = GetSelectedRows();
  }
  void RowMoved(int32_t FromIndex, int32_t ToIndex) override { RowMoves.emplace_back(FromIndex, ToIndex); }
  void StartMouseTimer() override { ++MouseTimers; }
  void StopMouseTimer() override { --MouseTimers; }
};
