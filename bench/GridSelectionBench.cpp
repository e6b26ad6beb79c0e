// bench_grid_selection: the file list's grid at its limit of 999 rows: select-all,
// Shift-extending the selection row by row, single clicks and dragging rows to other
// places, each against one plain pass over the 999 rows' flags measured in the same run
// (the least any change of the selected-rows list costs). Each figure is the best of
// several rounds.
#include "grid/portable/GridModel.h"

#include "BenchTiming.h"

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int32_t kRows = 999;
constexpr int kRounds = 7;

double Microseconds(const std::function<void()>& Work) { return Milliseconds(Work) * 1000; }

// A window of the file list's size that draws nothing: the figures are the model's.
class TBlankWindow : public TGridWindow {
  TSize GridClientSize() const override { return {700, 500}; }
  bool GridRightToLeft() const override { return false; }
  bool GridWindowExists() const override { return true; }
  bool GridShowing() const override { return false; }
  bool GridEnabled() const override { return true; }
  bool GridLoading() const override { return false; }
  bool GridHasFocus() const override { return false; }
  void InvalidateGrid() override {}
  void RepaintGridRect(const TGridRect&) override {}
  void ScrollGridArea(const TGridScrollArea&) override {}
  void UpdateGridWindow() override {}
  void DrawSizingLine(const TGridDrawInfo&) override {}
  void DrawMove() override {}
  void FocusGridForScroll() override {}
  int32_t LineScrollStep() const override { return 0; }
  void SetScrollBarPosition(TGridBar, int32_t) override {}
  void SetScrollBarRange(TGridBar, const TGridScrollRange&) override {}
  void ScrollBarsUpdated() override {}
  void StartMouseTimer() override {}
  void StopMouseTimer() override {}
};

// The main window's file list: two columns, rows selected as ranges, rows draggable.
class TFileListGrid : private TBlankWindow, public TGridModel {
public:
  TFileListGrid() : TGridModel(static_cast<TGridWindow&>(*this)) {
    SetColCount(2);
    SetDataRowCount(kRows);
    SetOptions({goRangeSelect, goDrawFocusSelected, goRowSelect, goRowMoving});
  }
  int Changes = 0;

protected:
  void SelectionChanged() override { ++Changes; }
};

struct TRound {
  double Pass = 0, SelectAll = 0, ShiftSweep = 0, Clicks = 0, RowMoves = 0;
};

TRound MeasureRound() {
  TRound round;
  TFileListGrid grid;
  round.Pass = Microseconds([&] { grid.UpdateSelectedRows(); });
  round.SelectAll = Microseconds([&] { grid.SelectRows(0); });
  grid.MoveCurrent(1, 1, true, false);
  round.ShiftSweep = Microseconds([&] {
    for (int32_t row = 2; row <= kRows; ++row) grid.MoveCurrent(1, row, false, true);
  }) / (kRows - 1);
  round.Clicks = Microseconds([&] {
    for (int32_t row = 1; row <= kRows; ++row) grid.MoveCurrent(1, row, true, true);
  }) / kRows;
  round.RowMoves = Microseconds([&] {
    for (int32_t row = 1; row < kRows; ++row) grid.MoveRow(row, kRows + 1 - row);
  }) / (kRows - 1);
  if (grid.SelectedCount() != 1 || grid.GetSelectedRows().size() != 1)
    std::fprintf(stderr, "unexpected selection: %d rows\n", grid.SelectedCount());
  return round;
}

}  // namespace

int main() {
  TRound best = MeasureRound();
  for (int i = 1; i < kRounds; ++i) {
    const TRound round = MeasureRound();
    best.Pass = std::min(best.Pass, round.Pass);
    best.SelectAll = std::min(best.SelectAll, round.SelectAll);
    best.ShiftSweep = std::min(best.ShiftSweep, round.ShiftSweep);
    best.Clicks = std::min(best.Clicks, round.Clicks);
    best.RowMoves = std::min(best.RowMoves, round.RowMoves);
  }
  std::printf("bench_grid_selection: %d rows, best of %d rounds\n", kRows, kRounds);
  std::printf("  one pass over the rows    %9.2f us\n", best.Pass);
  std::printf("  select all                %9.2f us = %6.2f passes\n", best.SelectAll, best.SelectAll / best.Pass);
  std::printf("  one Shift-extension       %9.2f us = %6.2f passes\n", best.ShiftSweep, best.ShiftSweep / best.Pass);
  std::printf("  one click                 %9.2f us = %6.2f passes\n", best.Clicks, best.Clicks / best.Pass);
  std::printf("  one row moved             %9.2f us = %6.2f passes\n", best.RowMoves, best.RowMoves / best.Pass);
  return 0;
}
