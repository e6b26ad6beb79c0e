#include "ScrollBarGeometry.h"

#include "skin/data/SkinRects.h"
#include "base/IntMath.h"

#include <algorithm>
#include <cmath>

using IntMath::Saturated;

namespace {

// Halves to even, as the platform rounds.
int64_t Round(double Value) {
  constexpr double limit = 9.0e18;
  return static_cast<int64_t>(std::nearbyint(std::clamp(Value, -limit, limit)));
}

int32_t Along(TPoint P, bool Vertical) { return Vertical ? P.Y : P.X; }
int32_t StartOf(const TRect& R, bool Vertical) { return Vertical ? R.Top : R.Left; }
int32_t EndOf(const TRect& R, bool Vertical) { return Vertical ? R.Bottom : R.Right; }
int32_t LengthOf(const TRect& R, bool Vertical) { return Vertical ? RectHeight(R) : RectWidth(R); }
int32_t CrossOf(const TRect& R, bool Vertical) { return Vertical ? RectWidth(R) : RectHeight(R); }

// R with its span along the bar set to Start .. End (and across to CrossStart .. CrossEnd).
TRect Spanning(bool Vertical, int64_t Start, int64_t End, int64_t CrossStart, int64_t CrossEnd) {
  const int32_t s = Saturated(Start), e = Saturated(End), cs = Saturated(CrossStart), ce = Saturated(CrossEnd);
  return Vertical ? TRect{cs, s, ce, e} : TRect{s, cs, e, ce};
}

TRect MovedAlong(const TRect& R, bool Vertical, int32_t By) {
  return Spanning(Vertical, int64_t{StartOf(R, Vertical)} + By, int64_t{EndOf(R, Vertical)} + By,
                  StartOf(R, !Vertical), EndOf(R, !Vertical));
}

// How long the thumb is and how it lies across the track.
struct TThumbSize {
  int32_t MinLength = 16;       // with a page
  int32_t PagelessLength = 16;  // without one
  std::optional<int32_t> Cross;  // across the whole track without it
};

// Without a skin a button runs from the frame pixel to 17 pixels in from its end of the
// bar, and the track lies between the two buttons.
constexpr int64_t DefaultButtonReach = 17;

TThumbSize PlaceDefaultParts(const TspScrollBarShape& Shape, TspScrollBarRects& Rects) {
  const int64_t w = Shape.Width, h = Shape.Height;
  auto& b = Rects.Buttons;
  if (Shape.Vertical) {
    b[ScrollDownButton] = Spanning(true, 1, DefaultButtonReach, 1, w - 1);
    b[ScrollUpButton] = Spanning(true, h - DefaultButtonReach, h - 1, 1, w - 1);
    Rects.TrackRect = Spanning(true, DefaultButtonReach, h - DefaultButtonReach, 1, w - 1);
  } else {
    const int64_t length = w - Shape.BothMarkerWidth;
    b[ScrollDownButton] = Spanning(false, 1, DefaultButtonReach, 1, h - 1);
    b[ScrollUpButton] = Spanning(false, length - DefaultButtonReach, length - 1, 1, h - 1);
    Rects.TrackRect = Spanning(false, DefaultButtonReach, length - DefaultButtonReach, 1, h - 1);
  }
  return {};
}

TThumbSize PlaceSkinParts(const TspScrollBarShape& Shape, const TspScrollBarSkinGeometry& Skin,
                          TspScrollBarRects& Rects) {
  const bool v = Shape.Vertical;
  const int32_t growth = v ? Saturated(int64_t{Shape.Height} - RectHeight(Skin.SkinRect))
                           : Saturated(int64_t{Shape.Width} - RectWidth(Skin.SkinRect));
  const TRect& track = Skin.TrackArea;
  Rects.TrackRect = Spanning(v, StartOf(track, v), int64_t{EndOf(track, v)} + growth, StartOf(track, !v),
                             EndOf(track, !v));
  // A button past the stretching middle moves with the bar's far end.
  const int32_t farSide = v ? Skin.LBPoint.Y : Skin.RTPoint.X;
  const auto place = [&](const TRect& R) { return StartOf(R, v) > farSide ? MovedAlong(R, v, growth) : R; };
  Rects.Buttons[ScrollUpButton] = place(Skin.UpButtonRect);
  Rects.Buttons[ScrollDownButton] = place(Skin.DownButtonRect);

  TThumbSize size;
  size.MinLength = Skin.ThumbMinSize != 0 ? Skin.ThumbMinSize : LengthOf(Skin.ThumbRect, v);
  size.PagelessLength = Skin.ThumbMinPageSize != 0 ? Skin.ThumbMinPageSize : size.MinLength;
  size.Cross = CrossOf(Skin.ThumbRect, v);
  return size;
}

}  // namespace

int32_t TspScrollRange::LastPosition() const {
  return PageSize == 0 ? Max : Saturated(int64_t{Max} - PageSize + 1);
}

int32_t TspScrollRange::Clamp(int32_t Value) const { return std::max(std::min(Value, LastPosition()), Min); }

bool TspScrollRange::PageFits(int32_t Value) const {
  return Value >= 0 && int64_t{Position} - Min + Value <= int64_t{Max} - Min + 1;
}

TspScrollBarRects CalcScrollBarRects(const TspScrollBarShape& Shape, const TspScrollRange& Range) {
  const bool v = Shape.Vertical;
  TspScrollBarRects rects;
  const TThumbSize size = Shape.Skin ? PlaceSkinParts(Shape, *Shape.Skin, rects) : PlaceDefaultParts(Shape, rects);

  const TRect& track = rects.TrackRect;
  const int64_t start = StartOf(track, v), end = EndOf(track, v);
  const int64_t trackLength = std::max<int64_t>(end - start, 0);
  int64_t length = size.PagelessLength;
  double kf = 0;
  if (Range.PageSize != 0) {
    const int64_t count = int64_t{Range.Max} - Range.Min + 1;
    length = std::max<int64_t>(count == 0 ? 0 : Round(double(trackLength) * Range.PageSize / count),
                               size.MinLength);
    // A page that covers the whole range leaves no way to go: horizontal bars show the
    // thumb at the far end, vertical ones at the near end.
    const int64_t positions = int64_t{Range.Max} - Range.PageSize + 1 - Range.Min;
    kf = positions > 0 ? double(int64_t{Range.Position} - Range.Min) / positions : (v ? 0 : 1);
  } else if (const int64_t span = int64_t{Range.Max} - Range.Min; span != 0) {
    kf = double(int64_t{Range.Position} - Range.Min) / span;
  }
  length = std::clamp<int64_t>(length, 0, trackLength);
  kf = std::clamp(kf, 0.0, 1.0);

  const int64_t half = length / 2;
  rects.ThumbFirstCentre = Saturated(start + half);
  rects.ThumbLastCentre = Saturated(end - half);
  rects.ThumbCentreOffset =
      Saturated(Round(double(int64_t{rects.ThumbLastCentre} - rects.ThumbFirstCentre) * kf));
  const int64_t centre = int64_t{rects.ThumbFirstCentre} + rects.ThumbCentreOffset;
  int64_t crossStart = StartOf(track, !v), crossEnd = EndOf(track, !v);
  if (size.Cross) {
    crossStart = CrossOf(track, v) / 2 + crossStart - *size.Cross / 2;
    crossEnd = crossStart + *size.Cross;
  }
  rects.Buttons[ScrollThumb] = Spanning(v, centre - half, centre + half, crossStart, crossEnd);
  return rects;
}

TRect ScrollBarRedrawArea(const TspScrollBarRects& Drawn, const TspScrollBarRects& Now, const TRect& Client) {
  if (Drawn.TrackRect != Now.TrackRect || Drawn.Buttons[ScrollUpButton] != Now.Buttons[ScrollUpButton] ||
      Drawn.Buttons[ScrollDownButton] != Now.Buttons[ScrollDownButton])
    return Client;
  const TRect& before = Drawn.Buttons[ScrollThumb];
  const TRect& after = Now.Buttons[ScrollThumb];
  if (before == after) return {};
  if (IsRectEmpty(before)) return after;
  if (IsRectEmpty(after)) return before;
  return {std::min(before.Left, after.Left), std::min(before.Top, after.Top), std::max(before.Right, after.Right),
          std::max(before.Bottom, after.Bottom)};
}

int32_t ScrollPositionAt(const TspScrollBarRects& Rects, const TspScrollRange& Range, int32_t D) {
  const int64_t span = int64_t{Rects.ThumbLastCentre} - Rects.ThumbFirstCentre;
  const double kf = span > 0 ? std::clamp(double(D) / span, 0.0, 1.0) : 0.0;
  int64_t positions = int64_t{Range.Max} - Range.Min;
  if (Range.PageSize != 0) positions -= int64_t{Range.PageSize} - 1;
  return Range.Clamp(Saturated(Range.Min + Round(double(positions) * kf)));
}

int ScrollPartAt(const TspScrollBarRects& Rects, TPoint P) {
  for (int i = ScrollThumb; i <= ScrollDownButton; ++i)
    if (PtInRect(Rects.Buttons[i], P)) return i;
  return -1;
}

TspScrollPage TrackPageAt(const TspScrollBarRects& Rects, bool Vertical, TPoint P) {
  const TRect& thumb = Rects.Buttons[ScrollThumb];
  if (!PtInRect(Rects.TrackRect, P) || PtInRect(thumb, P)) return TspScrollPage::None;
  return Along(P, Vertical) < StartOf(thumb, Vertical) ? TspScrollPage::Up : TspScrollPage::Down;
}

bool PageRepeatGoesOn(const TspScrollBarRects& Rects, bool Vertical, TspScrollPage Page, TPoint P) {
  const TRect& thumb = Rects.Buttons[ScrollThumb];
  switch (Page) {
    case TspScrollPage::Up: return Along(P, Vertical) < StartOf(thumb, Vertical);
    case TspScrollPage::Down: return Along(P, Vertical) >= EndOf(thumb, Vertical);
    case TspScrollPage::None: break;
  }
  return false;
}
