#include "FrameMask.h"

TspFrameMask::TspFrameMask(const TspSkinFormInfo& Info, const TPixelImage& Mask, const TspFrameGeometry& Geometry)
    : FMask(&Mask), FMaskRect(Geometry.MaskRect) {
  const TSkinCut newCut{Geometry.LTPoint, Geometry.RTPoint, Geometry.LBPoint, Geometry.RBPoint, Geometry.MaskRect};
  FBands = SkinBorderMaskPlans(MaskCut(Info), newCut, Mask.Width(), Mask.Height(), Geometry.Width);
}

bool TspFrameMask::PointInMask(TPoint P) const {
  if (FMask == nullptr) return false;
  const TRect& m = FMaskRect;
  if (PtInRect(m, P)) return true;
  const int64_t x = P.X, y = P.Y;
  if (y <= m.Top) return BandPixelIsBlack(FBands.Top, x, y);
  if (y >= m.Bottom) return BandPixelIsBlack(FBands.Bottom, x, y - m.Bottom);
  if (x <= m.Left) return BandPixelIsBlack(FBands.Left, x, y - m.Top);
  return BandPixelIsBlack(FBands.Right, x - m.Right, y - m.Top);
}

// The band's pixel is the mask pixel of the last copy that covers it; a pixel that no
// copy covers, or outside the band, is not part of the window.
bool TspFrameMask::BandPixelIsBlack(const TBandPlan& Band, int64_t X, int64_t Y) const {
  if (!Band.Drawn || X < 0 || Y < 0 || X >= Band.Image.Width || Y >= Band.Image.Height) return false;
  const TPoint at{static_cast<int32_t>(X), static_cast<int32_t>(Y)};
  const auto& copies = Band.Image.Copies;
  for (auto copy = copies.rbegin(); copy != copies.rend(); ++copy) {
    if (!PtInRect(copy->Dest, at)) continue;
    const TRect& s = copy->Source;
    const TRect& d = copy->Dest;
    // Nearest pixel of a stretched copy; band copies of a mask are unscaled tiles.
    const int64_t sx = s.Left + (X - d.Left) * (int64_t{s.Right} - s.Left) / (int64_t{d.Right} - d.Left);
    const int64_t sy = s.Top + (Y - d.Top) * (int64_t{s.Bottom} - s.Top) / (int64_t{d.Bottom} - d.Top);
    if (sx < 0 || sy < 0 || sx >= FMask->Width() || sy >= FMask->Height()) return false;
    return FMask->Pixel(static_cast<int32_t>(sx), static_cast<int32_t>(sy)) == 0;
  }
  return false;
}
