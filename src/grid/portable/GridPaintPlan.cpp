#include "GridPaintPlan.h"

#include <algorithm>

std::vector<TGridPart> SplitGridRect(const TGridRect& R, int32_t FixedCols, int32_t FixedRows, TGridCoord TopLeft) {
  std::vector<TGridPart> parts;
  const bool startsInFixedCols = R.Left < FixedCols;
  const bool startsInFixedRows = R.Top < FixedRows;
  const bool reachesScrollingCols = R.Right >= FixedCols;
  const bool reachesScrollingRows = R.Bottom >= FixedRows;
  const int32_t left = startsInFixedCols ? TopLeft.X : R.Left;
  const int32_t top = startsInFixedRows ? TopLeft.Y : R.Top;
  if (startsInFixedCols && startsInFixedRows) parts.push_back({{0, 0, FixedCols - 1, FixedRows - 1}, true});
  if (startsInFixedRows && reachesScrollingCols) parts.push_back({{left, 0, R.Right, FixedRows - 1}, true});
  if (startsInFixedCols && reachesScrollingRows) parts.push_back({{0, top, FixedCols - 1, R.Bottom}, true});
  if (reachesScrollingCols && reachesScrollingRows) parts.push_back({{left, top, R.Right, R.Bottom}, false});
  return parts;
}

namespace {

// The first cell of an axis range that can be on screen: scrolled-away cells are not.
int32_t FirstPlacedCell(const TGridAxisDrawInfo& Axis, int32_t Lo) {
  return Lo >= Axis.FixedCellCount && Lo < Axis.FirstGridCell ? Axis.FirstGridCell : Lo;
}

}  // namespace

std::vector<TGridCellPlace> PlaceGridCells(const TGridRect& Part, const TGridDrawInfo& DrawInfo) {
  std::vector<TGridCellPlace> cells;
  const TRect screen = GridRectToScreenRect(Part, DrawInfo, false, false);
  if (IsRectEmpty(screen)) return cells;
  const TGridAxisDrawInfo& h = DrawInfo.Horz;
  const TGridAxisDrawInfo& v = DrawInfo.Vert;
  const int32_t lastCol = std::min(Part.Right, h.GridCellCount - 1);
  const int32_t lastRow = std::min(Part.Bottom, v.GridCellCount - 1);
  int32_t y = screen.Top;
  for (int32_t row = FirstPlacedCell(v, Part.Top); row <= lastRow && y < screen.Bottom; ++row) {
    const int32_t height = v.GetExtent(row);
    int32_t x = screen.Left;
    for (int32_t col = FirstPlacedCell(h, Part.Left); col <= lastCol && x < screen.Right; ++col) {
      const int32_t width = h.GetExtent(col);
      cells.push_back({col, row, Bounds(x, y, width, height)});
      x += width + h.EffectiveLineWidth;
    }
    y += height + v.EffectiveLineWidth;
  }
  return cells;
}

TGridDrawState CellDrawState(TGridDrawState Base, const TCellLook& Look) {
  if (Base.Contains(gdFixed)) return Base;
  const bool focusRow = Look.GridFocused && Look.InCurrentRow;
  const bool highlighted = focusRow && ((Look.FocusOnCell && Look.InCurrentCol) || Look.FocusOnRow);
  TGridDrawState state = Base;
  if (!Look.Selectable) {
    state.Include(gdDisabled);
    if (highlighted) state.Include(gdHighlighted);
  } else if (focusRow) {
    state.Include(highlighted ? gdHighlighted : gdFocused);
  } else {
    state.Include(Look.Selected ? gdSelected : gdNotSelected);
  }
  return state;
}

std::vector<TRect> EmptyGridAreas(const TGridDrawInfo& DrawInfo) {
  const TGridAxisDrawInfo& h = DrawInfo.Horz;
  const TGridAxisDrawInfo& v = DrawInfo.Vert;
  std::vector<TRect> areas;
  if (h.GridBoundary < h.GridExtent) areas.push_back({h.GridBoundary, 0, h.GridExtent + 1, v.GridBoundary});
  if (v.GridBoundary < v.GridExtent) areas.push_back({0, v.GridBoundary, h.GridExtent, v.GridExtent});
  return areas;
}
