#include "SkinRegions.h"

#include "FBitmap.h"
#include "SkinImages.h"

#include "classlib/DeviceContexts.h"
#include "skin/data/SkinRects.h"

#include <vector>

namespace {

// ExtCreateRegion may take time growing with the square of its rectangles (Wine adds them
// one by one), so a region of many, as a fine-grained mask gives, is made of slices of
// this many and the slices are joined pairwise: each rectangle is copied once per level.
constexpr size_t kRectsPerCall = 256;

TRegion RegionOf(const TRgnDataBlock& Data) {
  std::vector<TRegion> parts;
  for (const TRgnDataBlock& slice : RgnDataSlices(Data, kRectsPerCall)) {
    parts.emplace_back(ExtCreateRegion(nullptr, static_cast<DWORD>(slice.size()),
                                       reinterpret_cast<const RGNDATA*>(slice.data())));
    if (parts.back() == nullptr) return nullptr;
  }
  while (parts.size() > 1) {
    std::vector<TRegion> joined;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
      if (CombineRgn(parts[i].get(), parts[i].get(), parts[i + 1].get(), RGN_OR) == ERROR) return nullptr;
      joined.push_back(std::move(parts[i]));
    }
    if (parts.size() % 2 != 0) joined.push_back(std::move(parts.back()));
    parts = std::move(joined);
  }
  return parts.empty() ? nullptr : std::move(parts.front());
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
  if (CreateRgnDataFromMask(Mask, 0, 0, data) == 0 || RgnDataRectCount(data) > MaxWindowRegionRects) return nullptr;
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
  // The black pixels of each band in its place; a band without size has none.
  TRgnDataBlock bands[4];
  CreateRgnDataFromMask(&top, 0, 0, bands[0]);
  CreateRgnDataFromMask(&bottom, 0, client.Bottom, bands[1]);
  CreateRgnDataFromMask(&left, 0, client.Top, bands[2]);
  CreateRgnDataFromMask(&right, client.Right, client.Top, bands[3]);
  size_t rects = 0;
  for (const TRgnDataBlock& band : bands) rects += RgnDataRectCount(band);
  if (rects > MaxWindowRegionRects) return nullptr;
  TRegion parts[] = {RegionOf(bands[0]), RegionOf(bands[1]), RegionOf(bands[2]), RegionOf(bands[3])};
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
