#include "GridGeometry.h"

#include <algorithm>
#include <climits>

namespace {

// Sums of many cells are taken in 64 bits and kept within 32.
int32_t Clamp32(int64_t Value) { return static_cast<int32_t>(std::min<int64_t>(Value, INT32_MAX)); }

}  // namespace

void CalcAxisBoundaries(TGridAxisDrawInfo& Axis) {
  const int32_t line = Axis.EffectiveLineWidth;
  int64_t fixedBoundary = 0;
  for (int32_t i = 0; i < Axis.FixedCellCount && fixedBoundary <= INT32_MAX; ++i)
    fixedBoundary += Axis.GetExtent(i) + line;
  Axis.FixedBoundary = Clamp32(fixedBoundary);

  Axis.GridBoundary = Axis.FixedBoundary;
  Axis.FullVisBoundary = Axis.FixedBoundary;
  Axis.LastFullVisibleCell = Axis.FirstGridCell - 1;
  int64_t boundary = Axis.FixedBoundary;
  for (int32_t i = Axis.FirstGridCell; i < Axis.GridCellCount; ++i) {
    boundary += Axis.GetExtent(i) + line;
    // A cell whose own line alone lies beyond the client still counts as fully visible.
    if (boundary > int64_t{Axis.GridExtent} + line) {
      Axis.GridBoundary = Axis.GridExtent;
      break;
    }
    Axis.LastFullVisibleCell = i;
    Axis.GridBoundary = Axis.FullVisBoundary = static_cast<int32_t>(boundary);
  }
}

int32_t CalcAxisCell(const TGridAxisDrawInfo& Axis, int32_t Pos) {
  const bool inFixed = Pos < Axis.FixedBoundary;
  int64_t line = inFixed ? 0 : Axis.FixedBoundary;
  for (int32_t i = inFixed ? 0 : Axis.FirstGridCell; i < Axis.GridCellCount; ++i) {
    line += Axis.GetExtent(i) + Axis.EffectiveLineWidth;
    if (Pos < line) return i;
  }
  return -1;
}

TGridCoord CalcCoordFromPoint(const TGridDrawInfo& DrawInfo, TPoint Point, bool RightToLeft) {
  const int32_t x = RightToLeft ? DrawInfo.Horz.GridExtent - 1 - Point.X : Point.X;
  return {CalcAxisCell(DrawInfo.Horz, x), CalcAxisCell(DrawInfo.Vert, Point.Y)};
}

int32_t CalcMaxCell(const TGridAxisDrawInfo& Axis, int32_t Start) {
  int32_t result = Start;
  int64_t line = int64_t{Axis.GridExtent} + Axis.EffectiveLineWidth;
  for (int32_t i = Start; i >= Axis.FixedCellCount; --i) {
    line -= Axis.GetExtent(i) + Axis.EffectiveLineWidth;
    if (line < Axis.FixedBoundary) break;
    if (Axis.GetExtent(i) > 0) result = i;
  }
  return result;
}

TGridCoord CalcMaxTopLeft(TGridCoord Coord, const TGridDrawInfo& DrawInfo) {
  return {CalcMaxCell(DrawInfo.Horz, Coord.X), CalcMaxCell(DrawInfo.Vert, Coord.Y)};
}

namespace {

// The pixel where a cell starts; -1 when it starts beyond the client.
int32_t LinePos(const TGridAxisDrawInfo& Axis, int32_t Cell) {
  const bool fixed = Cell < Axis.FixedCellCount;
  int64_t pos = fixed ? 0 : Axis.FixedBoundary;
  for (int32_t i = fixed ? 0 : Axis.FirstGridCell; i < Cell; ++i) {
    pos += Axis.GetExtent(i) + Axis.EffectiveLineWidth;
    if (pos > Axis.GridExtent) return -1;
  }
  return static_cast<int32_t>(pos);
}

// The pixel span of cells Lo .. Hi of one axis; false when none of it is on screen.
bool AxisScreenSpan(const TGridAxisDrawInfo& Axis, int32_t Lo, int32_t Hi, bool IncludeLine, int32_t& Start,
                    int32_t& End) {
  if (Lo < 0 || Lo > Hi || Lo > Axis.LastFullVisibleCell + 1) return false;
  // Scrolled-away cells have no place: the range starts at the first visible cell.
  if (Lo >= Axis.FixedCellCount && Lo < Axis.FirstGridCell) {
    if (Hi < Axis.FirstGridCell) return false;
    Lo = Axis.FirstGridCell;
  }
  if (Hi > Axis.LastFullVisibleCell) {
    Hi = Axis.LastFullVisibleCell + 1 < Axis.GridCellCount ? Axis.LastFullVisibleCell + 1
                                                            : Axis.LastFullVisibleCell;
    if (LinePos(Axis, Hi) < 0) --Hi;
  }
  Start = LinePos(Axis, Lo);
  if (Start < 0 || Hi < Lo) return false;
  const int32_t hiPos = LinePos(Axis, Hi);
  End = hiPos >= 0 ? hiPos + Axis.GetExtent(Hi) : Start + Axis.GetExtent(Lo);
  End = std::min(End, Axis.GridExtent);
  if (IncludeLine) End += Axis.EffectiveLineWidth;
  return true;
}

}  // namespace

TRect GridRectToScreenRect(const TGridRect& GridRect, const TGridDrawInfo& DrawInfo, bool IncludeLine,
                           bool Mirror) {
  TRect r;
  if (!AxisScreenSpan(DrawInfo.Horz, GridRect.Left, GridRect.Right, IncludeLine, r.Left, r.Right) ||
      !AxisScreenSpan(DrawInfo.Vert, GridRect.Top, GridRect.Bottom, IncludeLine, r.Top, r.Bottom))
    return TRect{};
  return Mirror ? MirrorRect(r, DrawInfo.Horz.GridExtent) : r;
}
