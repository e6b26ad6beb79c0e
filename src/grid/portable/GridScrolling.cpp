#include "GridScrolling.h"

#include <algorithm>
#include <cstdlib>

int32_t RoundedMulDiv(int32_t Number, int32_t Numerator, int32_t Denominator) {
  if (Denominator == 0) return -1;
  const int64_t product = int64_t{Number} * Numerator;
  const int64_t divisor = std::llabs(int64_t{Denominator});
  const int64_t magnitude = (std::llabs(product) + divisor / 2) / divisor;
  const bool negative = (product < 0) != (Denominator < 0);
  if (magnitude > INT32_MAX) return -1;
  return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

namespace {

// One application of a code to the first cell.
int32_t StepFrom(const TScrollAxisState& Axis, int Code, int32_t From, int32_t Pos, bool ThumbTracking) {
  switch (Code) {
    case scLineUp:
      return From - Axis.Sign;
    case scLineDown:
      return From + Axis.Sign;
    case scPageUp:
      return From - Axis.Sign * Axis.PageUpCount;
    case scPageDown:
      return From + Axis.Sign * Axis.PageDownCount;
    case scThumbTrack:
      if (!ThumbTracking) return From;
      [[fallthrough]];
    case scThumbPosition: {
      const int32_t span = RoundedMulDiv(Pos, Axis.Max - Axis.Min, CellScrollRange);
      return Axis.Sign == 1 ? Axis.Min + span : Axis.Max - span;
    }
    case scTop:
      return Axis.Min;
    case scBottom:
      return Axis.Max;
    default:
      return From;
  }
}

}  // namespace

int32_t ScrollCodeTarget(const TScrollAxisState& Axis, int Code, int32_t Pos, bool ThumbTracking) {
  int32_t target = Axis.First;
  for (;;) {
    const int32_t previous = target;
    target = StepFrom(Axis, Code, previous, Pos, ThumbTracking);
    // Cells of zero extent are hidden: a step landing on one goes on.
    if (target == previous || target <= Axis.Min || target >= Axis.Max || Axis.Extents->Get(target) != 0) break;
  }
  return std::clamp(target, Axis.Min, std::max(Axis.Min, Axis.Max));
}

int32_t PixelScrollTarget(const TPixelScrollState& State, int Code, int32_t Pos, bool ThumbTracking) {
  const int32_t end = std::max(0, State.Width - State.View);
  int32_t offset = State.Offset;
  switch (Code) {
    case scLineUp:
      offset -= State.Sign * State.LineStep;
      break;
    case scLineDown:
      offset += State.Sign * State.LineStep;
      break;
    case scPageUp:
      offset -= State.Sign * State.View;
      break;
    case scPageDown:
      offset += State.Sign * State.View;
      break;
    case scThumbTrack:
      if (ThumbTracking) offset = Pos;
      break;
    case scThumbPosition:
      offset = Pos;
      break;
    // Top is the column's start and Bottom its end, as on every scroll bar: swapped, the
    // thumb's Top would show the end of the column.
    case scTop:
      offset = 0;
      break;
    case scBottom:
      offset = end;
      break;
    default:
      break;
  }
  return std::clamp(offset, 0, end);
}

int32_t CellScrollPosition(int32_t First, int32_t Min, int32_t Max) {
  if (Max <= Min) return 0;
  return RoundedMulDiv(First - Min, CellScrollRange, Max - Min);
}

int32_t ScrollStepSize(int32_t Range, int32_t CellCount, int32_t VisibleCount, int32_t FixedCount) {
  const int32_t hidden = CellCount - VisibleCount - FixedCount;
  return std::max(1, Range / std::max(1, hidden));
}

bool ScrollAmount(const TGridAxisDrawInfo& Axis, int32_t OldFirst, int32_t& Amount) {
  const int32_t newFirst = Axis.FirstGridCell;
  const int32_t lo = std::min(OldFirst, newFirst);
  const int32_t hi = std::max(OldFirst, newFirst);
  int64_t span = 0;
  for (int32_t i = lo; i < hi; ++i) {
    span += Axis.GetExtent(i) + Axis.EffectiveLineWidth;
    if (span > Axis.GridBoundary - Axis.FixedBoundary) return false;
  }
  Amount = static_cast<int32_t>(newFirst > OldFirst ? -span : span);
  return true;
}

std::vector<TGridScrollArea> ScrollAreas(int32_t DX, int32_t DY, const TGridDrawInfo& DrawInfo, bool RightToLeft) {
  const TGridAxisDrawInfo& h = DrawInfo.Horz;
  const TGridAxisDrawInfo& v = DrawInfo.Vert;
  std::vector<TGridScrollArea> areas;
  if (DY == 0) {
    areas.push_back({{h.FixedBoundary, 0, h.GridExtent, v.GridExtent}, DX, 0});
  } else if (DX == 0) {
    areas.push_back({{0, v.FixedBoundary, h.GridExtent, v.GridExtent}, 0, DY});
  } else {
    areas.push_back({{h.FixedBoundary, 0, h.GridExtent, v.FixedBoundary}, DX, 0});
    areas.push_back({{0, v.FixedBoundary, h.FixedBoundary, v.GridExtent}, 0, DY});
    areas.push_back({{h.FixedBoundary, v.FixedBoundary, h.GridExtent, v.GridExtent}, DX, DY});
  }
  if (RightToLeft)
    for (TGridScrollArea& area : areas) {
      area.Area = MirrorRect(area.Area, h.GridExtent);
      area.DX = -area.DX;
    }
  return areas;
}

TScrollCopy ScrollCopy(const TGridScrollArea& Area) {
  const TRect& a = Area.Area;
  const TRect target = IntersectRect(a, OffsetRect(a, Area.DX, Area.DY));
  if (IsRectEmpty(target)) return {{}, {}, a};
  const TPoint source{target.Left - Area.DX, target.Top - Area.DY};
  if (Area.DX == 0 && Area.DY == 0) return {target, source, {}};
  TRect uncovered = a;  // a move along both axes leaves an L, bounded by the whole area
  if (Area.DY == 0) {
    if (Area.DX > 0)
      uncovered.Right = target.Left;
    else
      uncovered.Left = target.Right;
  } else if (Area.DX == 0) {
    if (Area.DY > 0)
      uncovered.Bottom = target.Top;
    else
      uncovered.Top = target.Bottom;
  }
  return {target, source, uncovered};
}
