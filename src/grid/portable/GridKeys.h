#pragma once
// Where a key takes a grid's current cell and its view: arrows, pages, Home and End,
// with Ctrl the view's edges, Tab through the columns that are tab stops, F2 to edit.

#include "GridTypes.h"

#include <cstdint>
#include <functional>

// What the key rules read of the grid.
struct TGridKeyView {
  TGridCoord Current;  // the cell the move starts from
  TGridCoord TopLeft;
  int32_t ColCount = 0;
  int32_t RowCount = 0;
  int32_t FixedCols = 0;
  int32_t FixedRows = 0;
  int32_t LastVisibleCol = 0;  // the last fully visible column
  int32_t LastVisibleRow = 0;
  bool RightToLeft = false;
  std::function<bool(int32_t Col)> TabStop;
};

// The cell and view a key asks for, not yet kept within the grid; MoveAnchor is false
// for a Shift move (Tab drops the Shift state); EditorMode for F2.
struct TGridKeyMove {
  TGridCoord Current;
  TGridCoord TopLeft;
  bool MoveAnchor = true;
  bool EditorMode = false;
};

TGridKeyMove GridKeyMove(uint16_t Key, TGridKeyShift Shift, const TGridKeyView& View);
