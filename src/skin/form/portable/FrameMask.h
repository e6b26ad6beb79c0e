#pragma once
// The shape of a skinned window whose skin carries a mask picture: the mask rectangle
// belongs to the window, and around it the border mask bands (the mask picture cut at
// the skin's corner points for the window's size) decide pixel by pixel. Hit testing
// reads it to find the sizing border of a window that is not rectangular.

#include "FrameGeometry.h"

#include "base/PixelImage.h"

class TspFrameMask {
public:
  // No mask: every point is outside.
  TspFrameMask() = default;
  // The bands of Mask for the size and mask rectangle of Geometry. Mask is the skin's
  // and must outlive this object; the frame rebuilds it with every size or skin change.
  TspFrameMask(const TspSkinFormInfo& Info, const TPixelImage& Mask, const TspFrameGeometry& Geometry);

  // True in the mask rectangle and on a black (colour 0) pixel of the band that holds P:
  // the top band above the mask rectangle, the bottom band below it, then the left and
  // right bands beside it.
  bool PointInMask(TPoint P) const;

private:
  bool BandPixelIsBlack(const TBandPlan& Band, int64_t X, int64_t Y) const;

  const TPixelImage* FMask = nullptr;
  TRect FMaskRect;
  TBorderPlans FBands;
};
