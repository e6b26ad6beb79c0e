#include "GridSizing.h"

#include <algorithm>
#include <climits>

namespace {

// Pixels around a thin border that still catch it.
constexpr int32_t CatchWidth = 7;

bool FindBorder(const TGridAxisDrawInfo& Axis, int32_t Pos, TGridState State, TGridSizingState& Result) {
  int32_t catchWidth = Axis.EffectiveLineWidth;
  int32_t backOff = 0;
  if (Axis.EffectiveLineWidth < CatchWidth) {
    catchWidth = CatchWidth;
    backOff = (CatchWidth - Axis.EffectiveLineWidth) >> 1;
  }
  int64_t line = Axis.FixedBoundary;
  for (int32_t i = Axis.FirstGridCell; i < Axis.GridCellCount; ++i) {
    line += Axis.GetExtent(i);
    if (line > Axis.GridBoundary) break;
    if (Pos >= line - backOff && Pos < line - backOff + catchWidth) {
      const auto border = static_cast<int32_t>(line);
      Result = {State, i, border, border - Pos};
      return true;
    }
    line += Axis.EffectiveLineWidth;
  }
  // The client's edge cuts a cell: its hidden border is caught at the edge.
  const int32_t cut = Axis.LastFullVisibleCell + 1;
  if (Axis.GridBoundary == Axis.GridExtent && cut < Axis.GridCellCount && Pos >= Axis.GridExtent - backOff &&
      Pos <= Axis.GridExtent) {
    Result = {State, cut, Axis.GridExtent, Axis.GridExtent - Pos};
    return true;
  }
  return false;
}

}  // namespace

TGridSizingState CalcSizingState(TPoint Point, const TGridDrawInfo& DrawInfo, TGridOptions Options,
                                 bool RightToLeft) {
  TGridSizingState result;
  const TGridAxisDrawInfo& h = DrawInfo.Horz;
  const TGridAxisDrawInfo& v = DrawInfo.Vert;
  const int32_t x = RightToLeft ? h.GridExtent - Point.X : Point.X;
  if (x > h.FixedBoundary && Options.Contains(goColSizing)) {
    if (Point.Y < v.FixedBoundary) FindBorder(h, x, gsColSizing, result);
  } else if (Point.Y > v.FixedBoundary && Options.Contains(goRowSizing)) {
    if (x < h.FixedBoundary) FindBorder(v, Point.Y, gsRowSizing, result);
  }
  return result;
}

int32_t ResizeLine(const TGridAxisDrawInfo& Axis, int32_t Index, int32_t SizingPos) {
  int64_t start = Axis.FixedBoundary;
  for (int32_t i = Axis.FirstGridCell; i < Index && start <= SizingPos; ++i)
    start += Axis.GetExtent(i) + Axis.EffectiveLineWidth;
  return static_cast<int32_t>(std::max<int64_t>(SizingPos - start, INT32_MIN));
}

int TimedScrollDirection(TPoint Point, const TGridDrawInfo& DrawInfo, bool RightToLeft) {
  const TGridAxisDrawInfo& h = DrawInfo.Horz;
  const TGridAxisDrawInfo& v = DrawInfo.Vert;
  const int32_t x = RightToLeft ? h.GridExtent - Point.X : Point.X;
  int direction = 0;
  if (x < h.FixedBoundary) direction |= sdLeft;
  if (x > h.FullVisBoundary) direction |= sdRight;
  if (Point.Y < v.FixedBoundary) direction |= sdUp;
  if (Point.Y > v.FullVisBoundary) direction |= sdDown;
  return direction;
}
