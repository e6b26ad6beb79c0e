#pragma once
// Where a grid's cells lie on screen. Each axis (columns across the client width, rows
// down the client height) is measured alike: the fixed cells first, then the scrolling
// cells from the first visible one, each followed by the line width of that axis.

#include "GridExtents.h"
#include "GridTypes.h"

#include "base/Geometry.h"

#include <cstdint>

struct TGridAxisDrawInfo {
  int32_t EffectiveLineWidth = 0;  // the line width when the axis draws lines, else 0
  int32_t FixedBoundary = 0;       // pixel end of the fixed cells
  int32_t GridBoundary = 0;        // end of the last cell drawn, or GridExtent when one passes it
  int32_t GridExtent = 0;          // the client width (height)
  int32_t LastFullVisibleCell = 0; // last cell ending within GridExtent; FirstGridCell - 1 when none does
  int32_t FullVisBoundary = 0;     // pixel end of that cell
  int32_t FixedCellCount = 0;
  int32_t FirstGridCell = 0;       // the left column (top row)
  int32_t GridCellCount = 0;
  const TGridExtents* Extents = nullptr;

  int32_t GetExtent(int32_t Index) const { return Extents->Get(Index); }
  // Fully visible scrolling cells from the first one on.
  int32_t VisibleCount() const { return LastFullVisibleCell - FirstGridCell + 1; }
};

struct TGridDrawInfo {
  TGridAxisDrawInfo Horz;
  TGridAxisDrawInfo Vert;
};

// Fills the boundaries and the last fully visible cell of an axis whose line width,
// extent, counts, first cell and extents are set.
void CalcAxisBoundaries(TGridAxisDrawInfo& Axis);

// The cell of an axis that holds pixel Pos (a line belongs to the cell before it); -1
// when no cell does.
int32_t CalcAxisCell(const TGridAxisDrawInfo& Axis, int32_t Pos);
// The cell under a client point; a coordinate is -1 where no cell is. Under right-to-left
// alignment the columns run from the client's right edge.
TGridCoord CalcCoordFromPoint(const TGridDrawInfo& DrawInfo, TPoint Point, bool RightToLeft);

// The largest first cell of an axis whose view still reaches cell Start: walking back
// from Start while the cells fit between the fixed cells and the client's far edge.
int32_t CalcMaxCell(const TGridAxisDrawInfo& Axis, int32_t Start);
TGridCoord CalcMaxTopLeft(TGridCoord Coord, const TGridDrawInfo& DrawInfo);

// The client rectangle of a range of cells (lines included with IncludeLine); empty when
// no part of it is on screen. Mirror flips it for a right-to-left grid drawn on a canvas
// that is not mirrored itself.
TRect GridRectToScreenRect(const TGridRect& GridRect, const TGridDrawInfo& DrawInfo, bool IncludeLine,
                           bool Mirror);

// A rectangle reflected across a client area of width ClientWidth.
constexpr TRect MirrorRect(const TRect& R, int32_t ClientWidth) {
  return {ClientWidth - R.Right, R.Top, ClientWidth - R.Left, R.Bottom};
}
