#include "SkinRegions.h"

#include "FBitmap.h"
#include "SkinImages.h"

#include "classlib/DeviceContexts.h"
#include "skin/data/SkinRects.h"

namespace {

using TRegion = TGdiObject<HRGN>;

TRegion RegionOf(const TRgnDataBlock& Data) {
  return TRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(Data.size()),
                                 reinterpret_cast<const RGNDATA*>(Data.data())));
}

// The region of a band's black pixels at (DX, DY); none for a band without size.
TRegion BandRegion(TBitmap& Band, int DX, int DY) {
  TRgnDataBlock data;
  if (CreateRgnDataFromMask(&Band, DX, DY, data) == 0) return nullptr;
  return RegionOf(data);
}

}  // namespace

int CreateRgnDataFromMask(TBitmap* Mask, int DX, int DY, TRgnDataBlock& Data) {
  if (Mask == nullptr || Mask->Empty()) return 0;
  const TFBitmap pixels(Mask->Handle());
  Data = RgnDataFromMask(pixels.Bits(), pixels.Width(), pixels.Height(), DX, DY);
  return static_cast<int>(Data.size());
}

void CreateMaskRegion(HRGN& Rgn, TBitmap* Mask) {
  Rgn = nullptr;
  TRgnDataBlock data;
  if (CreateRgnDataFromMask(Mask, 0, 0, data) == 0) return;
  Rgn = RegionOf(data).release();
}

void CreateSkinRegion(HRGN& Rgn, TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect ClRect, TPoint NewLT,
                      TPoint NewRT, TPoint NewLB, TPoint NewRB, TRect NewClRect, TBitmap* Mask, int Width,
                      int Height) {
  Rgn = nullptr;
  if (NewLT.X > NewRT.X || NewLT.Y > NewLB.Y) return;
  TBitmap top, left, right, bottom;
  CreateSkinBorderMasks(LT, RT, LB, RB, ClRect, NewLT, NewRT, NewLB, NewRB, NewClRect, Mask, &top, &left,
                        &right, &bottom, Width, Height);
  TRegion parts[] = {BandRegion(top, 0, 0), BandRegion(bottom, 0, NewClRect.Bottom),
                     BandRegion(left, 0, NewClRect.Top), BandRegion(right, NewClRect.Right, NewClRect.Top)};
  TRegion result;
  if (!IsNullRect(NewClRect))
    result.reset(CreateRectRgn(NewClRect.Left, NewClRect.Top, NewClRect.Right, NewClRect.Bottom));
  for (TRegion& part : parts) {
    if (part == nullptr) continue;
    if (result == nullptr)
      result = std::move(part);
    else
      CombineRgn(result.get(), result.get(), part.get(), RGN_OR);
  }
  Rgn = result.release();
}
