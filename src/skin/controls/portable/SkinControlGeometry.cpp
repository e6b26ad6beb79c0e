#include "SkinControlGeometry.h"

#include "skin/data/SkinLimits.h"
#include "skin/data/SkinRects.h"

namespace {

TSize SkinSizeFor(int32_t ResizeMode, const TRect& SkinRect, int32_t Width, int32_t Height) {
  switch (ResizeMode) {
    case SkinResize::Fixed: return {RectWidth(SkinRect), RectHeight(SkinRect)};
    case SkinResize::WidthOnly: return {Width, RectHeight(SkinRect)};
    case SkinResize::HeightOnly: return {RectWidth(SkinRect), Height};
    default: return {Width, Height};
  }
}

}  // namespace

TSize FitSizeToSkin(int32_t ResizeMode, const TRect& SkinRect, int32_t Width, int32_t Height) {
  const TSize size = SkinSizeFor(ResizeMode, SkinRect, Width, Height);
  if (size.cx > MaxSkinPictureSide || size.cy > MaxSkinPictureSide ||
      int64_t{size.cx} * size.cy > MaxSkinPixels)
    return {Width, Height};
  return size;
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
