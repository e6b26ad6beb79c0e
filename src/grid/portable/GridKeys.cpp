#include "GridKeys.h"

#include <algorithm>

namespace {

// Steps to the next column, or back with Backward, wrapping into the next (previous)
// row and from the last row to the first data row, until a tab stop or the column it
// started from.
TGridCoord TabFrom(TGridCoord Cell, bool Backward, const TGridKeyView& View) {
  const int32_t start = Cell.X;
  // The columns come round after this many steps at most.
  const int32_t span = std::max(1, View.ColCount - View.FixedCols);
  for (int32_t step = 0; step < span; ++step) {
    if (Backward) {
      if (--Cell.X < View.FixedCols) {
        Cell.X = View.ColCount - 1;
        if (--Cell.Y < View.FixedRows) Cell.Y = View.RowCount - 1;
      }
    } else if (++Cell.X >= View.ColCount) {
      Cell.X = View.FixedCols;
      if (++Cell.Y >= View.RowCount) Cell.Y = View.FixedRows;
    }
    if (Cell.X == start || (View.TabStop && View.TabStop(Cell.X))) break;
  }
  return Cell;
}

}  // namespace

TGridKeyMove GridKeyMove(uint16_t Key, TGridKeyShift Shift, const TGridKeyView& View) {
  TGridKeyMove move{View.Current, View.TopLeft, !Shift.Shift, false};
  TGridCoord& cell = move.Current;
  TGridCoord& topLeft = move.TopLeft;
  const int32_t s = View.RightToLeft ? -1 : 1;
  const int32_t pageWidth = std::max(1, View.LastVisibleCol - View.TopLeft.X);
  const int32_t pageHeight = std::max(1, View.LastVisibleRow - View.TopLeft.Y);
  if (Shift.Ctrl) {
    switch (Key) {
      case GridKey::PageUp: cell.Y = View.TopLeft.Y; break;
      case GridKey::PageDown: cell.Y = View.LastVisibleRow; break;
      case GridKey::Home: cell.X = View.FixedCols; break;
      case GridKey::End: cell.X = View.ColCount - 1; break;
      case GridKey::Left:
        cell.X -= pageWidth * s;
        topLeft.X -= pageWidth * s;
        break;
      case GridKey::Right:
        cell.X += pageWidth * s;
        topLeft.X += pageWidth * s;
        break;
      case GridKey::Up: --topLeft.Y; break;
      case GridKey::Down: ++topLeft.Y; break;
      default: break;
    }
    return move;
  }
  switch (Key) {
    case GridKey::Up: --cell.Y; break;
    case GridKey::Down: ++cell.Y; break;
    case GridKey::Left: cell.X -= s; break;
    case GridKey::Right: cell.X += s; break;
    case GridKey::PageDown:
      if (cell.Y == View.LastVisibleRow) {
        cell.Y += pageHeight;
        topLeft.Y += pageHeight;
      } else {
        cell.Y = View.LastVisibleRow;
      }
      break;
    case GridKey::PageUp:
      if (cell.Y == View.TopLeft.Y) {
        cell.Y -= pageHeight;
        topLeft.Y -= pageHeight;
      } else {
        cell.Y = View.TopLeft.Y;
      }
      break;
    case GridKey::Home: cell.Y = View.FixedRows; break;
    case GridKey::End: cell.Y = View.RowCount - 1; break;
    case GridKey::Tab:
      if (!Shift.Alt) {
        cell = TabFrom(cell, Shift.Shift, View);
        move.MoveAnchor = true;
      }
      break;
    case GridKey::F2: move.EditorMode = true; break;
    default: break;
  }
  return move;
}
