// The grid model's input: keys, the wheel, and what a held mouse button does (selecting,
// sizing a line, moving a row or column).
#include "GridModel.h"

#include "GridKeys.h"

#include "base/ScopeExit.h"

#include <algorithm>

void TGridModel::MoveByKey(uint16_t Key, TGridKeyShift Shift) {
  if (FEmpty) return;
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  TGridKeyView view;
  view.Current = FFocusOnCell && FOptions.Contains(goRowSelect) ? FFocused : FCurrent;
  view.TopLeft = FTopLeft;
  view.ColCount = FColCount;
  view.RowCount = FRowCount;
  view.FixedCols = FFixedCols;
  view.FixedRows = FFixedRows;
  view.LastVisibleCol = drawInfo.Horz.LastFullVisibleCell;
  view.LastVisibleRow = drawInfo.Vert.LastFullVisibleCell;
  view.RightToLeft = FWindow.GridRightToLeft();
  view.TabStop = [this](int32_t Col) { return TabStops(Col); };
  const TGridKeyMove move = GridKeyMove(Key, Shift, view);
  if (move.EditorMode) SetEditorMode(true);

  const TGridCoord max = CalcMaxTopLeft({FColCount - 1, FRowCount - 1}, drawInfo);
  MoveTopLeft(std::clamp(move.TopLeft.X, FFixedCols, std::max(FFixedCols, max.X)),
              std::clamp(move.TopLeft.Y, FFixedRows, std::max(FFixedRows, max.Y)));
  const TGridCoord cell{std::clamp(move.Current.X, FFixedCols, FColCount - 1),
                        std::clamp(move.Current.Y, FFixedRows, FRowCount - 1)};
  if (cell == FFocused) return;
  MoveCurrent(cell.X, cell.Y, move.MoveAnchor, true);
  // An open editor goes along to the new cell.
  UpdateEdit();
}

bool TGridModel::MoveByWheel(bool Down) {
  if (FEmpty) return true;
  if (Down && Row() < FRowCount - 1)
    SetRow(Row() + 1);
  else if (!Down && Row() > FFixedRows)
    SetRow(Row() - 1);
  return true;
}

TGridSizingState TGridModel::CalcSizingState(TPoint Point, const TGridDrawInfo& DrawInfo) const {
  return ::CalcSizingState(Point, DrawInfo, FOptions, FWindow.GridRightToLeft());
}

bool TGridModel::PressAt(TPoint Point, bool Shift) {
  if (FEmpty) return false;
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  const bool rightToLeft = FWindow.GridRightToLeft();
  const TGridSizingState sizing = CalcSizingState(Point, drawInfo);
  if (sizing.State != gsNormal) {
    FSizing = sizing;
    FGridState = sizing.State;
    // The line is drawn where the border is seen.
    if (rightToLeft && sizing.State == gsColSizing) FSizing.SizingPos = drawInfo.Horz.GridExtent - sizing.SizingPos;
    FWindow.DrawSizingLine(drawInfo);
    return true;
  }
  const TGridCoord cell = CalcCoordFromPoint(drawInfo, Point, rightToLeft);
  if (cell.X >= FFixedCols && cell.Y >= FFixedRows) {
    if (FOptions.Contains(goEditing)) {
      if (cell == FFocused) {
        ShowEditor();
      } else {
        MoveCurrent(cell.X, cell.Y, true, true);
        UpdateEdit();
      }
      NotifyClick();
    } else {
      FGridState = gsSelecting;
      FWindow.StartMouseTimer();
      MoveCurrent(cell.X, cell.Y, !Shift, true);
    }
  } else if (FOptions.Contains(goRowMoving) && cell.X >= 0 && cell.X < FFixedCols && cell.Y >= FFixedRows) {
    if (BeginRowDrag(cell.Y, cell.Y, Point)) {
      FMoveIndex = FMovePos = cell.Y;
      FGridState = gsRowMoving;
      FWindow.StartMouseTimer();
    }
  } else if (FOptions.Contains(goColMoving) && cell.Y >= 0 && cell.Y < FFixedRows && cell.X >= FFixedCols) {
    if (BeginColumnDrag(cell.X, cell.X, Point)) {
      FMoveIndex = FMovePos = cell.X;
      FGridState = gsColMoving;
      FWindow.StartMouseTimer();
    }
  }
  return false;
}

void TGridModel::DragTo(TPoint Point) {
  if (FGridState == gsSelecting) {
    TGridDrawInfo drawInfo;
    CalcDrawInfo(drawInfo);
    const TGridCoord cell = CalcCoordFromPoint(drawInfo, Point, FWindow.GridRightToLeft());
    // Dragging moves the single selection, up to the partly visible cells, without
    // scrolling: the timer scrolls.
    if (cell.X >= FFixedCols && cell.Y >= FFixedRows && cell.X <= drawInfo.Horz.LastFullVisibleCell + 1 &&
        cell.Y <= drawInfo.Vert.LastFullVisibleCell + 1 && cell != FFocused)
      MoveCurrent(cell.X, cell.Y, true, false);
  } else if (InSizingState()) {
    TGridDrawInfo drawInfo;
    CalcDrawInfo(drawInfo);
    FWindow.DrawSizingLine(drawInfo);
    if (FGridState == gsRowSizing)
      FSizing.SizingPos = Point.Y + FSizing.SizingOfs;
    else
      FSizing.SizingPos = FWindow.GridRightToLeft() ? Point.X - FSizing.SizingOfs : Point.X + FSizing.SizingOfs;
    FWindow.DrawSizingLine(drawInfo);
  } else if (InMovingState()) {
    FollowMove(Point);
  }
}

void TGridModel::FollowMove(TPoint Point) {
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  const bool rightToLeft = FWindow.GridRightToLeft();
  const TGridCoord cell = CalcCoordFromPoint(drawInfo, Point, rightToLeft);
  const bool rows = FGridState == gsRowMoving;
  const TGridAxisDrawInfo& along = rows ? drawInfo.Vert : drawInfo.Horz;
  const TGridAxisDrawInfo& across = rows ? drawInfo.Horz : drawInfo.Vert;
  int32_t cellAlong = rows ? cell.Y : cell.X;
  const int32_t cellAcross = rows ? cell.X : cell.Y;
  const int32_t pos = rows ? Point.Y : (rightToLeft ? drawInfo.Horz.GridExtent - Point.X : Point.X);
  // Past the client's far edge the pointer stands for the cell the edge cuts, so that
  // holding it there keeps scrolling.
  if (pos >= along.GridExtent) cellAlong = std::min(along.LastFullVisibleCell + 1, along.GridCellCount - 1);
  if (cellAcross < 0 || cellAcross > across.LastFullVisibleCell + 1 || cellAlong > along.LastFullVisibleCell + 1)
    return;
  if (rows)
    MoveAndScroll(Point.Y, cellAlong, gbVertical, Point);
  else
    MoveAndScroll(Point.X, cellAlong, gbHorizontal, Point);
}

void TGridModel::MoveAndScroll(int32_t Mouse, int32_t CellHit, TGridBar Bar, TPoint MousePoint) {
  const bool horizontal = Bar == gbHorizontal;
  TGridDrawInfo drawInfo;
  CalcDrawInfo(drawInfo);
  const TGridAxisDrawInfo& axis = horizontal ? drawInfo.Horz : drawInfo.Vert;
  if (horizontal && FWindow.GridRightToLeft()) Mouse = axis.GridExtent - Mouse;
  if (CellHit == FMovePos) return;
  if (FMovePos == axis.FixedCellCount && Mouse < axis.FixedBoundary) return;
  if (FMovePos == axis.GridCellCount - 1 && Mouse > axis.GridBoundary) return;
  if (Mouse < axis.FixedBoundary) {
    if (FMovePos > axis.FixedCellCount) {
      ModifyScrollBar(Bar, scLineUp, 0, false);
      CalcDrawInfo(drawInfo);
    }
    CellHit = axis.FirstGridCell;
  } else if (Mouse >= axis.FullVisBoundary) {
    if (FMovePos == axis.LastFullVisibleCell && FMovePos < axis.GridCellCount - 1) {
      ModifyScrollBar(Bar, scLineDown, 0, false);
      CalcDrawInfo(drawInfo);
    }
    CellHit = axis.LastFullVisibleCell;
  } else if (CellHit < 0) {
    CellHit = FMovePos;
  }
  const bool agreed = horizontal ? CheckColumnDrag(FMoveIndex, CellHit, MousePoint)
                                 : CheckRowDrag(FMoveIndex, CellHit, MousePoint);
  if (agreed) FMovePos = CellHit;
  FWindow.DrawMove();
}

void TGridModel::TimerTick(TPoint Point) {
  if (FGridState == gsSelecting) {
    TGridDrawInfo drawInfo;
    CalcDrawInfo(drawInfo);
    if (const int direction = TimedScrollDirection(Point, drawInfo, FWindow.GridRightToLeft())) TimedScroll(direction);
  } else if (InMovingState()) {
    FollowMove(Point);
  }
}

void TGridModel::ReleaseAt(TPoint Point, const std::function<void()>& MouseUpEvent) {
  // The state ends after the mouse-up event, also when a handler raises.
  TScopeExit endState([this] { FGridState = gsNormal; });
  if (FGridState == gsSelecting) {
    DragTo(Point);
    FWindow.StopMouseTimer();
    UpdateEdit();
    NotifyClick();
  } else if (InSizingState()) {
    TGridDrawInfo drawInfo;
    CalcDrawInfo(drawInfo);
    FWindow.DrawSizingLine(drawInfo);
    const bool columns = FGridState == gsColSizing;
    const int32_t pos =
        columns && FWindow.GridRightToLeft() ? drawInfo.Horz.GridExtent - FSizing.SizingPos : FSizing.SizingPos;
    const int32_t size = ResizeLine(columns ? drawInfo.Horz : drawInfo.Vert, FSizing.Index, pos);
    if (size > 1 && columns) SetColWidths(FSizing.Index, size);
    if (size > 1 && !columns) SetRowHeights(FSizing.Index, size);
  } else if (InMovingState()) {
    EndDrop(Point);
  }
  if (MouseUpEvent) MouseUpEvent();
}

void TGridModel::EndDrop(TPoint Point) {
  FWindow.StopMouseTimer();
  const bool rows = FGridState == gsRowMoving;
  const bool accepted =
      rows ? EndRowDrag(FMoveIndex, FMovePos, Point) : EndColumnDrag(FMoveIndex, FMovePos, Point);
  if (accepted && FMovePos != FMoveIndex) {
    if (rows)
      MoveRow(FMoveIndex, FMovePos);
    else
      MoveColumn(FMoveIndex, FMovePos);
  } else {
    // No drop: the header line is drawn without the marker.
    FWindow.RepaintGridRect(rows ? ColumnRepaintRect(0) : RowRepaintRect(0));
  }
  UpdateEdit();
}

void TGridModel::CancelMode() {
  if (FGridState == gsSelecting) {
    FWindow.StopMouseTimer();
  } else if (InSizingState()) {
    TGridDrawInfo drawInfo;
    CalcDrawInfo(drawInfo);
    FWindow.DrawSizingLine(drawInfo);
  } else if (InMovingState()) {
    FWindow.StopMouseTimer();
    // The marker lies in the header line; the lines it stood between are drawn anew too.
    const bool rows = FGridState == gsRowMoving;
    FWindow.RepaintGridRect(rows ? ColumnRepaintRect(0) : RowRepaintRect(0));
    for (int32_t line : {FMoveIndex, FMovePos})
      FWindow.RepaintGridRect(rows ? RowRepaintRect(line) : ColumnRepaintRect(line));
  }
  FGridState = gsNormal;
}

TGridModel::TDropMarker TGridModel::DropMarkerLine() const {
  const bool after = FMovePos > FMoveIndex;
  if (FGridState == gsColMoving) {
    const TRect r = CellRect(FMovePos, 0);
    const int32_t x = after != FWindow.GridRightToLeft() ? r.Right : r.Left;
    return {{x, 0}, {x, r.Bottom - 2}};
  }
  const TRect r = CellRect(0, FMovePos);
  const int32_t y = after ? r.Bottom : r.Top - 1;
  return {{0, y}, {r.Right - 2, y}};
}
