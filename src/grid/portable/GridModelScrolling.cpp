// The grid model's scrolling: the top-left cell, bringing cells into view, scroll codes
// and the scroll bars' positions and ranges.
#include "GridModel.h"

#include "base/ScopeExit.h"

#include <algorithm>

namespace {

// The last cell of the grid: CalcMaxTopLeft of it is the largest useful top-left cell.
TGridCoord LastCell(const TGridDrawInfo& DrawInfo) {
  return {DrawInfo.Horz.GridCellCount - 1, DrawInfo.Vert.GridCellCount - 1};
}

// Fixed cells never scroll away; scrolling ones are in view between the first and the
// last fully visible cell.
bool InView(const TGridAxisDrawInfo& Axis, int32_t Cell) {
  return Cell < Axis.FixedCellCount || (Cell >= Axis.FirstGridCell && Cell <= Axis.LastFullVisibleCell);
}

}  // namespace

void TGridModel::MoveTopLeft(int32_t ALeft, int32_t ATop) {
  const TGridCoord old = FTopLeft;
  if (old == TGridCoord{ALeft, ATop}) return;
  FTopLeft = {ALeft, ATop};
  TopLeftMoved(old);
}

void TGridModel::TopLeftMoved(TGridCoord OldTopLeft) {
  UpdateScrollPos();
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  int32_t dx = 0;
  int32_t dy = 0;
  if (ScrollAmount(drawInfo.Horz, OldTopLeft.X, dx) && ScrollAmount(drawInfo.Vert, OldTopLeft.Y, dy)) {
    if (dx != 0 || dy != 0) ScrollDataInfo(dx, dy, drawInfo);
  } else {
    FWindow.InvalidateGrid();  // a jump beyond the view: nothing on screen can be reused
  }
  TopLeftChanged();
}

void TGridModel::ScrollData(int32_t DX, int32_t DY) {
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  ScrollDataInfo(DX, DY, drawInfo);
}

void TGridModel::ScrollDataInfo(int32_t DX, int32_t DY, const TGridDrawInfo& DrawInfo) {
  for (const TGridScrollArea& area : ScrollAreas(DX, DY, DrawInfo, FWindow.GridRightToLeft()))
    FWindow.ScrollGridArea(area);
}

void TGridModel::ClampInView(TGridCoord Cell) {
  if (!FWindow.GridWindowExists() || FEmpty) return;
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  const TGridAxisDrawInfo& h = drawInfo.Horz;
  const TGridAxisDrawInfo& v = drawInfo.Vert;
  if (InView(h, Cell.X) && InView(v, Cell.Y)) return;
  const TGridCoord max = CalcMaxTopLeft(Cell, drawInfo);
  TGridCoord topLeft = FTopLeft;
  if (!InView(h, Cell.X)) topLeft.X = Cell.X < h.FirstGridCell ? Cell.X : max.X;
  if (!InView(v, Cell.Y)) topLeft.Y = Cell.Y < v.FirstGridCell ? Cell.Y : max.Y;
  MoveTopLeft(topLeft.X, topLeft.Y);
}

void TGridModel::ModifyScrollBar(TGridBar Bar, int Code, int32_t Pos, bool UseRightToLeft) {
  if (FEmpty) return;
  const int32_t sign = FWindow.GridRightToLeft() && UseRightToLeft ? -1 : 1;
  FWindow.FocusGridForScroll();
  if (Bar == gbHorizontal && FColCount == 1) {
    ScrollPixels(Code, Pos, sign);
    return;
  }
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  const bool horizontal = Bar == gbHorizontal;
  const TGridAxisDrawInfo& axis = horizontal ? drawInfo.Horz : drawInfo.Vert;
  const TGridCoord max = CalcMaxTopLeft(LastCell(drawInfo), drawInfo);
  // A page back is the view that ends where the current one starts.
  const TGridCoord pageBack = CalcMaxTopLeft(FTopLeft, drawInfo);
  TScrollAxisState state;
  state.First = axis.FirstGridCell;
  state.Min = axis.FixedCellCount;
  state.Max = horizontal ? max.X : max.Y;
  state.PageUpCount = std::max(1, axis.FirstGridCell - (horizontal ? pageBack.X : pageBack.Y));
  state.PageDownCount = std::max(1, axis.LastFullVisibleCell - axis.FirstGridCell);
  state.Sign = horizontal ? sign : 1;
  state.Extents = axis.Extents;
  TGridCoord topLeft = FTopLeft;
  (horizontal ? topLeft.X : topLeft.Y) = ScrollCodeTarget(state, Code, Pos, FOptions.Contains(goThumbTracking));
  topLeft.X = std::clamp(topLeft.X, FFixedCols, std::max(FFixedCols, max.X));
  topLeft.Y = std::clamp(topLeft.Y, FFixedRows, std::max(FFixedRows, max.Y));
  MoveTopLeft(topLeft.X, topLeft.Y);
}

void TGridModel::ScrollPixels(int Code, int32_t Pos, int32_t Sign) {
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  TPixelScrollState state;
  state.Offset = FColOffset;
  state.Width = ColWidths(drawInfo.Horz.FirstGridCell);
  state.View = drawInfo.Horz.GridExtent - drawInfo.Horz.FixedBoundary;
  state.LineStep = FWindow.LineScrollStep();
  state.Sign = Sign;
  const int32_t offset = PixelScrollTarget(state, Code, Pos, FOptions.Contains(goThumbTracking));
  if (offset == FColOffset) return;
  const int32_t old = FColOffset;
  FColOffset = offset;
  ScrollData(old - offset, 0);
  FWindow.RepaintGridRect({0, 0, 0, FFixedRows});
  FWindow.UpdateGridWindow();
  UpdateScrollPos();
}

void TGridModel::UpdateScrollPos() {
  if (!FWindow.GridWindowExists()) return;
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  const TGridCoord max = CalcMaxTopLeft(LastCell(drawInfo), drawInfo);
  const bool rightToLeft = FWindow.GridRightToLeft();
  if (FColCount != 1) {
    const int32_t pos = CellScrollPosition(LeftCol(), FFixedCols, max.X);
    FWindow.SetScrollBarPosition(gbHorizontal, rightToLeft ? CellScrollRange - pos : pos);
  } else {
    const int32_t width = ColWidths(drawInfo.Horz.FirstGridCell);
    const int32_t view = drawInfo.Horz.GridExtent - drawInfo.Horz.FixedBoundary;
    if (FColOffset > 0 && width - FColOffset < view)
      ScrollPixels(scThumbPosition, width - view, 1);  // the view grew: no blank beside the column
    else
      FWindow.SetScrollBarPosition(gbHorizontal, rightToLeft ? width - view - FColOffset : FColOffset);
  }
  FWindow.SetScrollBarPosition(gbVertical, CellScrollPosition(TopRow(), FFixedRows, max.Y));
}

TGridScrollRange TGridModel::ScrollRange(TGridBar Bar) const {
  if (FEmpty) return {};
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  if (Bar == gbHorizontal && FColCount == 1) {
    const int32_t hidden = std::max(0, ColWidths(0) - drawInfo.Horz.GridExtent);
    return {hidden > 0, hidden, ScrollStepSize(hidden, 1, drawInfo.Horz.VisibleCount(), 0)};
  }
  const TGridAxisDrawInfo& axis = Bar == gbHorizontal ? drawInfo.Horz : drawInfo.Vert;
  const TGridCoord max = CalcMaxTopLeft(LastCell(drawInfo), drawInfo);
  if ((Bar == gbHorizontal ? max.X : max.Y) <= axis.FixedCellCount) return {};
  return {true, CellScrollRange,
          ScrollStepSize(CellScrollRange, axis.GridCellCount, axis.VisibleCount(), axis.FixedCellCount)};
}

void TGridModel::ApplyScrollRange(TGridBar Bar) {
  FWindow.SetScrollBarRange(Bar, ScrollRange(Bar));
  if (FEmpty || (Bar == gbHorizontal && FColCount == 1)) return;
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  const TGridCoord max = CalcMaxTopLeft(LastCell(drawInfo), drawInfo);
  int32_t& first = Bar == gbHorizontal ? FTopLeft.X : FTopLeft.Y;
  const int32_t limit = Bar == gbHorizontal ? max.X : max.Y;
  if (first > limit) {
    FWindow.UpdateGridWindow();
    first = limit;
  }
}

void TGridModel::UpdateScrollRange() {
  if (!FWindow.GridWindowExists() || !FWindow.GridShowing() || FUpdatingScrollRange) return;
  // Showing a bar or re-aligning the parent resizes the grid, which asks again.
  FUpdatingScrollRange = true;
  TScopeExit endUpdate([this] { FUpdatingScrollRange = false; });
  const TGridCoord old = FTopLeft;
  const int32_t width = FWindow.GridClientSize().cx;
  ApplyScrollRange(gbHorizontal);
  ApplyScrollRange(gbVertical);
  if (FWindow.GridClientSize().cx != width) ApplyScrollRange(gbHorizontal);
  UpdateScrollPos();
  if (FTopLeft != old) TopLeftMoved(old);
  FWindow.ScrollBarsUpdated();
}
