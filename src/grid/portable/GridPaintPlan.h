#pragma once
// What a paint of the grid draws where, free of any canvas: the parts a range of cells
// splits into at the fixed counts, the place of every cell of a part, each cell's draw
// state and the client areas that no cell covers.

#include "GridGeometry.h"
#include "GridTypes.h"

#include "base/Geometry.h"

#include <vector>

// One part of a range of cells: fixed parts are drawn in the fixed colour with gdFixed,
// the scrolling part in the grid's colour.
struct TGridPart {
  TGridRect Cells;
  bool Fixed = false;
  friend constexpr bool operator==(const TGridPart&, const TGridPart&) = default;
};

// Splits a range at the fixed counts: the fixed corner, the fixed rows over the
// scrolling columns, the fixed columns beside the scrolling rows, and the scrolling
// cells; only the parts the range reaches. A fixed part spans all fixed rows (columns);
// a range that begins among the fixed cells takes the scrolling ones from TopLeft on.
std::vector<TGridPart> SplitGridRect(const TGridRect& GridRect, int32_t FixedCols, int32_t FixedRows,
                                     TGridCoord TopLeft);

// One cell of a part and its client rectangle (lines excluded, never mirrored).
struct TGridCellPlace {
  int32_t Col = 0;
  int32_t Row = 0;
  TRect Rect;
};

// The cells of Part that lie on screen, row by row, laid out from the part's screen
// rectangle (GridRectToScreenRect without lines).
std::vector<TGridCellPlace> PlaceGridCells(const TGridRect& Part, const TGridDrawInfo& DrawInfo);

// What the painter adds to Base (gdFixed for fixed cells, which get nothing more) for a
// cell: a selectable cell in the current row of a focused grid is highlighted (the
// current cell with FocusOnCell, every cell with FocusOnRow) or focused; elsewhere it is
// selected or not by its flag. A cell that cannot be selected is disabled, highlighted
// on the same condition.
struct TCellLook {
  bool Selectable = true;
  bool Selected = false;
  bool GridFocused = false;
  bool InCurrentRow = false;
  bool InCurrentCol = false;
  bool FocusOnCell = true;
  bool FocusOnRow = false;
};
TGridDrawState CellDrawState(TGridDrawState Base, const TCellLook& Look);

// The client areas right of and below the cells, which the painter fills with the
// background colour.
std::vector<TRect> EmptyGridAreas(const TGridDrawInfo& DrawInfo);
