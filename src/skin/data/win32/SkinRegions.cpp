#include "SkinRegions.h"

#include "FBitmap.h"
#include "SkinImages.h"

#include "classlib/DeviceContexts.h"
#include "skin/data/SkinRects.h"

namespace {

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
  Data = RgnDataFromMask(pixels.ScanLines(), pixels.Width(), DX, DY);
  return static_cast<int>(Data.size());
}

bool GiveWindowRegion(HWND Window, TRegion Region, bool Redraw) {
  if (SetWindowRgn(Window, Region.get(), Redraw ? TRUE : FALSE) == 0) return false;
  (void)Region.release();  // the window's now
  return true;
}

TRegion CreateMaskRegion(TBitmap* Mask) {
  TRgnDataBlock data;
  if (CreateRgnDataFromMask(Mask, 0, 0, data) == 0) return nullptr;
  return RegionOf(data);
}

TRegion CreateSkinRegion(const TSkinRegionOptions& Options) {
  const TSkinCut& cut = Options.Cut;
  const TSkinCut& sized = Options.Sized;
  const TRect& client = sized.ClRect;
  if (sized.LT.X > sized.RT.X || sized.LT.Y > sized.LB.Y) return nullptr;
  TBitmap top, left, right, bottom;
  CreateSkinBorderMasks(cut.LT, cut.RT, cut.LB, cut.RB, cut.ClRect, sized.LT, sized.RT, sized.LB, sized.RB,
                        client, Options.Mask, &top, &left, &right, &bottom, Options.Width, Options.Height);
  TRegion parts[] = {BandRegion(top, 0, 0), BandRegion(bottom, 0, client.Bottom),
                     BandRegion(left, 0, client.Top), BandRegion(right, client.Right, client.Top)};
  TRegion result;
  if (!IsNullRect(client))
    result.reset(CreateRectRgn(client.Left, client.Top, client.Right, client.Bottom));
  for (TRegion& part : parts) {
    if (part == nullptr) continue;
    if (result == nullptr)
      result = std::move(part);
    else
      CombineRgn(result.get(), result.get(), part.get(), RGN_OR);
  }
  return result;
}
