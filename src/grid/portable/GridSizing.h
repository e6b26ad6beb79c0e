#pragma once
// Dragging a grid's lines with the mouse: finding the border under a point for sizing,
// the size a drag ends with, keeping indexes on their rows when a row moves, and the
// edge a held button scrolls towards.

#include "GridGeometry.h"
#include "GridTypes.h"

#include "base/Geometry.h"

#include <cstdint>

// A border found for sizing: the state (gsRowSizing, gsColSizing, or gsNormal when
// none), the row or column whose far border it is, the border's pixel and its distance
// from the point.
struct TGridSizingState {
  TGridState State = gsNormal;
  int32_t Index = -1;
  int32_t SizingPos = 0;
  int32_t SizingOfs = 0;
  friend constexpr bool operator==(const TGridSizingState&, const TGridSizingState&) = default;
};

// The border under a client point: a column border in the fixed rows (goColSizing) or a
// row border in the fixed columns (goRowSizing), caught within 7 pixels (or the line
// width when that is wider), and the client's far edge after a partly visible cell.
// Under right-to-left alignment the columns run from the client's right edge.
TGridSizingState CalcSizingState(TPoint Point, const TGridDrawInfo& DrawInfo, TGridOptions Options,
                                 bool RightToLeft);

// The size of cell Index when its far border is dropped at SizingPos.
int32_t ResizeLine(const TGridAxisDrawInfo& Axis, int32_t Index, int32_t SizingPos);

// Keeps Index on the same row (column) when the one at FromIndex moves to ToIndex.
constexpr void MoveAdjust(int32_t& Index, int32_t FromIndex, int32_t ToIndex) {
  if (Index == FromIndex)
    Index = ToIndex;
  else if (FromIndex < ToIndex && Index > FromIndex && Index <= ToIndex)
    --Index;
  else if (ToIndex < FromIndex && Index >= ToIndex && Index < FromIndex)
    ++Index;
}

// Directions a held button scrolls to: 1 left, 2 right, 4 up, 8 down, when the point
// lies before the fixed cells or beyond the fully visible ones.
enum TGridScrollDirection { sdLeft = 1, sdRight = 2, sdUp = 4, sdDown = 8 };
int TimedScrollDirection(TPoint Point, const TGridDrawInfo& DrawInfo, bool RightToLeft);
