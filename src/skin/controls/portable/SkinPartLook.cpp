#include "SkinPartLook.h"

#include "skin/data/SkinRects.h"

namespace {

// A rectangle with area that a picture could hold (pictures are at most the pixel
// image's size); the size is taken in 64 bits, so any coordinates are safe.
bool Usable(const TRect& R) {
  return IsDrawableImageSize(int64_t{R.Right} - R.Left, int64_t{R.Bottom} - R.Top);
}

const TRect& RectOf(const TspPartRects& Rects, TspPartState State) {
  switch (State) {
    case TspPartState::Hot:
      return Rects.Hot;
    case TspPartState::Down:
      return Rects.Down;
    case TspPartState::Focused:
      return Rects.Focused;
    case TspPartState::Disabled:
      return Rects.Disabled;
    case TspPartState::Normal:
      break;
  }
  return Rects.Normal;
}

}  // namespace

TspPartLook PartLook(const TspPartRects& Rects, TspPartState State) {
  while (!Usable(RectOf(Rects, State))) {
    if (State == TspPartState::Normal) return {};
    const bool pressedOrFocused = State == TspPartState::Down || State == TspPartState::Focused;
    State = pressedOrFocused ? TspPartState::Hot : TspPartState::Normal;
  }
  return {RectOf(Rects, State), State};
}

TSize PartImageSize(const TspPartGeometry& Geometry, const TRect& R, int32_t Width, int32_t Height) {
  const TSkinCut& cut = Geometry.Cut;
  switch (Geometry.Fit) {
    case TspPartFit::NinePart:
      if (cut.RB.X == cut.LT.X || cut.RB.Y == cut.LT.Y) return {};
      break;
    case TspPartFit::Horizontal:
      return {Width, RectHeight(R)};
    case TspPartFit::Vertical:
      return {RectWidth(R), Height};
    case TspPartFit::Copy:
    case TspPartFit::Stretch:
      break;
  }
  return {Width, Height};
}

int32_t SkinResizeMode(const TRect& SkinRect, const TSkinCut& Cut) {
  if (IsNullRect(SkinRect)) return SkinResize::NoRect;
  if (Cut.RB.X != 0 && Cut.RB.Y != 0) return SkinResize::BothWays;
  if (Cut.RT.X != 0 || Cut.RT.Y != 0) return SkinResize::WidthOnly;
  if (Cut.LB.X != 0 || Cut.LB.Y != 0) return SkinResize::HeightOnly;
  return SkinResize::Fixed;
}

TspPartGeometry CustomControlGeometry(const TspDataSkinCustomControl& Entry) {
  return CustomControlGeometry(Entry.SkinRect,
                               {Entry.LTPoint, Entry.RTPoint, Entry.LBPoint, Entry.RBPoint, Entry.ClRect},
                               {Entry.LeftStretch, Entry.TopStretch, Entry.RightStretch, Entry.BottomStretch},
                               {Entry.StretchEffect, Entry.StretchType});
}

TspPartGeometry CustomControlGeometry(const TRect& SkinRect, const TSkinCut& Cut, TSkinSides Sides,
                                      TSkinClientFill Fill) {
  TspPartGeometry geometry;
  geometry.Cut = Cut;
  geometry.Fill = Fill;
  switch (SkinResizeMode(SkinRect, Cut)) {
    case SkinResize::BothWays:
      geometry.Fit = TspPartFit::NinePart;
      geometry.Sides = Sides;
      break;
    case SkinResize::WidthOnly:
      geometry.Fit = TspPartFit::Horizontal;
      geometry.StartOffset = Cut.LT.X;
      geometry.EndOffset = RectWidth(SkinRect) - Cut.RT.X;
      break;
    case SkinResize::HeightOnly:
      geometry.Fit = TspPartFit::Vertical;
      geometry.StartOffset = Cut.LT.Y;
      geometry.EndOffset = RectHeight(SkinRect) - Cut.LB.Y;
      break;
    default:
      geometry.Fit = TspPartFit::Copy;
  }
  return geometry;
}

TspPartGeometry ClientRectGeometry(const TRect& ClRect) {
  TspPartGeometry geometry;
  geometry.Fit = TspPartFit::NinePart;
  geometry.Cut = CutFromClientRect(ClRect);
  geometry.Sides = {true, true, true, true};
  geometry.Fill = {true, stfull};
  return geometry;
}

TspPartRects ButtonPartRects(const TspDataSkinButtonControl& Entry) {
  return {Entry.SkinRect, Entry.ActiveSkinRect, Entry.DownSkinRect, Entry.FocusedSkinRect,
          Entry.DisabledSkinRect};
}

TspDefaultLook DefaultPartLook(TspPartState State, bool FramedNormal, TColor DownFill) {
  switch (State) {
    case TspPartState::Hot:
    case TspPartState::Focused:
      return {clNavy, DefaultHotFill};
    case TspPartState::Down:
      return {clNavy, DownFill};
    case TspPartState::Normal:
    case TspPartState::Disabled:
      break;
  }
  return {FramedNormal ? clBtnShadow : clNone, clBtnFace};
}
