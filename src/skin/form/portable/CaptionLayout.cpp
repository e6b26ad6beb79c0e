#include "CaptionLayout.h"

#include "FrameArithmetic.h"

#include "skin/controls/portable/SkinAnimation.h"
#include "skin/data/SkinRects.h"

#include <algorithm>

using FrameArithmetic::Saturated;

namespace {

int32_t FixedPart(int64_t Value) { return Saturated(std::max<int64_t>(Value, 0)); }

TImagePlan StretchedWhole(const TRect& R, TSize Size) {
  TImagePlan plan;
  plan.Width = std::max(Size.cx, 0);
  plan.Height = std::max(Size.cy, 0);
  if (!IsNullRect(R) && plan.Width > 0 && plan.Height > 0)
    plan.Copies.push_back({R, Rect(0, 0, plan.Width, plan.Height)});
  return plan;
}

}  // namespace

TspCaptionZone CaptionZone(const TRect& SkinRect, TSize ObjectSize, const TSkinCut& Corners) {
  const TRect& s = SkinRect;
  const TPoint &lt = Corners.LT, &rt = Corners.RT, &lb = Corners.LB, &rb = Corners.RB;
  if (ObjectSize.cx == RectWidth(s) && ObjectSize.cy == RectHeight(s)) return {0, 0, 0};
  if (s.Top <= lt.Y && s.Bottom < rt.Y)
    return {1, FixedPart(int64_t{lt.X} - s.Left), FixedPart(int64_t{s.Right} - rt.X)};
  if (s.Top >= lb.Y && s.Bottom > rb.Y)
    return {2, FixedPart(int64_t{lb.X} - s.Left), FixedPart(int64_t{s.Right} - rb.X)};
  if (s.Top <= lt.Y && s.Bottom > lb.Y)
    return {3, FixedPart(int64_t{lt.Y} - s.Top), FixedPart(int64_t{s.Bottom} - lb.Y)};
  return {4, FixedPart(int64_t{rt.Y} - s.Top), FixedPart(int64_t{s.Bottom} - rb.Y)};
}

TImagePlan CaptionImagePlan(const TspCaptionZone& Zone, const TRect& R, TSize ObjectSize, const TSkinCut& Corners,
                            bool StretchEffect) {
  if (Corners.LT == Corners.RB || (Zone.FixedStart == 0 && Zone.FixedEnd == 0)) return StretchedWhole(R, ObjectSize);
  if (Zone.Zone <= 2) return HSkinImagePlan(Zone.FixedStart, Zone.FixedEnd, R, ObjectSize.cx, StretchEffect);
  return VSkinImagePlan(Zone.FixedStart, Zone.FixedEnd, R, ObjectSize.cy, StretchEffect);
}

TRect CaptionTextRect(const TspCaptionText& C, TSize ObjectSize) {
  TRect r = C.TextRect;
  if (!IsNullRect(C.TextRect))
    r.Right = Saturated(int64_t{ObjectSize.cx} - (int64_t{RectWidth(C.SkinRect)} - C.TextRect.Right));
  if (!IsNullRect(C.FrameRect)) {
    r.Left = Saturated(int64_t{r.Left} + C.FrameTextRect.Left);
    r.Top = Saturated(int64_t{r.Top} + C.FrameTextRect.Top);
    r.Right = Saturated(int64_t{r.Right} - (int64_t{RectWidth(C.FrameRect)} - C.FrameTextRect.Right));
  }
  return r;
}

TspCaptionTextPlace CaptionTextPlace(const TspCaptionText& C, TSize ObjectSize, TSize TextSize) {
  TspCaptionTextPlace place;
  const TRect tr = CaptionTextRect(C, ObjectSize);
  if (IsNullRect(C.TextRect) || IsNullRect(tr)) return place;
  place.DrawText = true;
  const int64_t width = RectWidth(tr), height = RectHeight(tr);
  int64_t x = tr.Left;
  if (C.Alignment == taRightJustify) x = int64_t{tr.Right} - TextSize.cx;
  if (C.Alignment == taCenter) x = tr.Left + width / 2 - TextSize.cx / 2;
  const int64_t y = tr.Top + height / 2 - TextSize.cy / 2;
  place.TextOrigin = {Saturated(x), Saturated(y)};
  if (IsNullRect(C.FrameRect)) return place;
  // The full frame spans the caption (the skin keeps no margin for it).
  const int64_t frameWidth = C.FullFrame
                                 ? int64_t{ObjectSize.cx}
                                 : int64_t{RectWidth(C.FrameRect)} + TextSize.cx - RectWidth(C.FrameTextRect);
  if (frameWidth < 1) return place;
  const int64_t frameLeft = C.FullFrame ? 0 : x - C.FrameTextRect.Left;
  const int64_t frameTop = y - C.FrameTextRect.Top;
  place.DrawFrame = true;
  place.FrameDest = {Saturated(frameLeft), Saturated(frameTop), Saturated(frameLeft + frameWidth),
                     Saturated(frameTop + RectHeight(C.FrameRect))};
  return place;
}

TRect CaptionAnimationFrame(const TRect& Strip, int32_t FrameCount, int32_t FrameIndex, TSize ObjectSize) {
  return AnimationFrameRect(Strip, FrameCount, FrameIndex, RectHeight(Strip) <= ObjectSize.cy);
}
