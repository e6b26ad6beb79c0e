#include "SkinRegions.h"

#include "FBitmap.h"
#include "SkinImages.h"

#include "classlib/DeviceContexts.h"
#include "skin/data/SkinRects.h"

#include <iterator>
#include <span>
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

// A mask's pixels as region data reads them, and where its black runs go.
struct TPlacedMask {
  TFBitmap Pixels;
  int DX = 0;
  int DY = 0;

  bool Empty() const { return Pixels.ScanLines().empty(); }
  size_t Runs(size_t Most) const { return CountMaskRuns(Pixels.ScanLines(), Pixels.Width(), Most); }
  size_t Rects(size_t Most) const { return CountMaskRegionRects(Pixels.ScanLines(), Pixels.Width(), Most); }
  TRgnDataBlock Data() const { return RgnDataFromMask(Pixels.ScanLines(), Pixels.Width(), DX, DY); }
};

// Whether the masks together have no more black runs than a region is made from and give
// no more rectangles than MostRects. Both are counted first, each no further than its
// limit, so that a finer mask costs a reading of its first rows, not a rectangle for every
// run (a 5736 x 5736 checkerboard once took 800 MB).
bool WithinRegionLimit(std::span<const TPlacedMask> Masks, size_t MostRects) {
  size_t runs = 0, rects = 0;
  for (const TPlacedMask& mask : Masks) {
    runs += mask.Runs(MaxRegionMaskRuns - runs);
    if (runs > MaxRegionMaskRuns) return false;
    rects += mask.Rects(MostRects - rects);
    if (rects > MostRects) return false;
  }
  return true;
}

}  // namespace

int CreateRgnDataFromMask(TBitmap* Mask, int DX, int DY, TRgnDataBlock& Data) {
  if (Mask == nullptr || Mask->Empty()) return 0;
  const TPlacedMask mask{TFBitmap(Mask->Handle()), DX, DY};
  Data = mask.Data();
  return static_cast<int>(Data.size());
}

bool GiveWindowRegion(HWND Window, TRegion Region, bool Redraw) {
  if (SetWindowRgn(Window, Region.get(), Redraw ? TRUE : FALSE) == 0) return false;
  (void)Region.release();  // the window's now
  return true;
}

TRegion CreateMaskRegion(TBitmap* Mask, size_t MostRects) {
  if (Mask == nullptr || Mask->Empty()) return nullptr;
  const TPlacedMask mask[] = {{TFBitmap(Mask->Handle()), 0, 0}};
  if (!WithinRegionLimit(mask, MostRects)) return nullptr;
  return RegionOf(mask[0].Data());
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
  const TPlacedMask bands[] = {{TFBitmap(top.Handle()), 0, 0},
                               {TFBitmap(bottom.Handle()), 0, client.Bottom},
                               {TFBitmap(left.Handle()), 0, client.Top},
                               {TFBitmap(right.Handle()), client.Right, client.Top}};
  if (!WithinRegionLimit(bands, Options.MostRects)) return nullptr;
  TRegion parts[std::size(bands)];
  for (size_t i = 0; i < std::size(bands); ++i)
    if (!bands[i].Empty()) parts[i] = RegionOf(bands[i].Data());
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
