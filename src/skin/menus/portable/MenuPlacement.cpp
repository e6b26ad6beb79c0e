#include "MenuPlacement.h"

#include "base/IntMath.h"

#include <algorithm>

using IntMath::Saturated;

namespace {

struct TTop {
  int64_t Y;
  bool Overlaps;  // the level could not keep clear of its anchor
};

TTop LevelTop(const TspLevelPlacement& P) {
  const TRect& r = P.Anchor;
  const TRect& wa = P.WorkArea;
  const int64_t h = P.Size.cy;
  const int64_t middle = int64_t{wa.Top} + (int64_t{wa.Bottom} - wa.Top) / 2;
  if (P.ScrollMode && !P.ScrollByCount) return {wa.Top, false};
  if (P.IsSubmenu) {
    if (r.Top + h - P.ItemsTop <= wa.Bottom) return {int64_t{r.Top} - P.ItemsTop, false};
    if (r.Top >= middle) return {std::max<int64_t>(wa.Top, r.Bottom - h + P.ItemsTop), false};
    return {wa.Bottom - h, false};
  }
  if (P.PopupUp) {
    if (r.Top - h >= wa.Top) return {r.Top - h, false};
    if (middle > r.Top) {
      if (r.Bottom + h <= wa.Bottom) return {r.Bottom, false};
      return {wa.Bottom - h, true};
    }
    return {wa.Top, true};
  }
  if (r.Bottom + h <= wa.Bottom) return {r.Bottom, false};
  if (middle > r.Top) return {wa.Bottom - h, true};
  if (r.Top - h >= wa.Top) return {r.Top - h, false};
  return {wa.Top, true};
}

}  // namespace

TPoint LevelPosition(const TspLevelPlacement& P) {
  const TTop top = LevelTop(P);
  const TRect& r = P.Anchor;
  const TRect& wa = P.WorkArea;
  const int64_t w = P.Size.cx;
  const bool belowOrAbove = !P.IsSubmenu && (!P.ScrollMode || P.ScrollByCount) && !top.Overlaps;
  int64_t left;
  if (belowOrAbove)
    left = r.Left + w <= wa.Right ? std::max<int64_t>(r.Left, wa.Left) : wa.Right - w;
  else
    left = r.Right + w + 1 <= wa.Right ? int64_t{r.Right} + 1 : r.Left - w - 1;
  return {Saturated(left), Saturated(top.Y)};
}
