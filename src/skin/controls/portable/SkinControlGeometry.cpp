#include "SkinControlGeometry.h"

#include "skin/data/SkinRects.h"

TSize FitSizeToSkin(int32_t ResizeMode, const TRect& SkinRect, int32_t Width, int32_t Height) {
  switch (ResizeMode) {
    case SkinResize::Fixed: return {RectWidth(SkinRect), RectHeight(SkinRect)};
    case SkinResize::WidthOnly: return {Width, RectHeight(SkinRect)};
    case SkinResize::HeightOnly: return {RectWidth(SkinRect), Height};
    default: return {Width, Height};
  }
}

TSkinCut FitCutToSkin(int32_t ResizeMode, const TRect& SkinRect, const TSkinCut& Cut, int32_t Width,
                      int32_t Height) {
  const TSize size = FitSizeToSkin(ResizeMode, SkinRect, Width, Height);
  return CutForSize(Cut, SkinRect, size.cx, size.cy);
}

TRect GrownClientRect(const TRect& ClRect, const TRect& SkinRect, int32_t Width, int32_t Height) {
  return CutForSize(CutFromClientRect(ClRect), SkinRect, Width, Height).ClRect;
}

TspPartGeometry AnySizeGeometry(const TRect& ClRect) {
  if (!IsNullRect(ClRect)) return ClientRectGeometry(ClRect);
  TspPartGeometry stretched;
  stretched.Fit = TspPartFit::Stretch;
  return stretched;
}
