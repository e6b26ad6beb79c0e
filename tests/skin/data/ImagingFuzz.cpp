// Fuzz target: the portable pixel work of skin imaging with sizes, factors, amounts and
// geometry taken from the input: effect bitmaps (every morph, effect and copy), mask run
// extraction and counting, region data and its slices, and the cut plans of the image
// builders.
// Checks that nothing reads or writes outside its buffers (the sanitizers) and that the
// results keep their invariants.
#include "PixelPictures.h"

#include "skin/data/EffectPixels.h"
#include "skin/data/MaskRegionData.h"
#include "skin/data/SkinImagePlans.h"

#include "base/PixelImage.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// Reads the input front to back; past its end every read gives 0.
class TInput {
public:
  TInput(const uint8_t* Data, size_t Size) : FData(Data), FSize(Size) {}
  uint8_t Byte() { return FPos < FSize ? FData[FPos++] : 0; }
  int32_t Int32() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = (v << 8) | Byte();
    return static_cast<int32_t>(v);
  }
  // Mostly small values, sometimes extreme ones.
  int32_t Coordinate() {
    const uint8_t kind = Byte();
    if (kind < 16) return Int32();
    return static_cast<int32_t>(Byte()) - 64;
  }
  double Factor() {
    const uint8_t kind = Byte();
    if (kind < 8) {
      double d;
      uint64_t bits = (uint64_t{static_cast<uint32_t>(Int32())} << 32) | static_cast<uint32_t>(Int32());
      std::memcpy(&d, &bits, sizeof d);
      return d;  // any double, NaN and infinities included
    }
    return (static_cast<int>(Byte()) - 32) / 128.0;
  }
  void Fill(TPixelImage& Image) {
    uint8_t* bits = Image.Bits();
    for (size_t i = 0; i < Image.ByteSize(); ++i) bits[i] = FSize == 0 ? 0 : FData[i % FSize];
  }

private:
  const uint8_t* FData;
  size_t FSize;
  size_t FPos = 0;
};

void Check(bool Condition) {
  if (!Condition) __builtin_trap();
}

void FuzzEffects(TInput& In) {
  const int32_t w = 1 + In.Byte() % 48, h = 1 + In.Byte() % 48;
  const bool sameSize = In.Byte() % 4 != 0;
  const int32_t ow = sameSize ? w : 1 + In.Byte() % 48, oh = sameSize ? h : 1 + In.Byte() % 48;
  TPixelImage image(w, h), otherImage(ow, oh);
  In.Fill(image);
  In.Fill(otherImage);
  TEffectPixels pixels(image.Bits(), w, h), other(otherImage.Bits(), ow, oh);
  using TMorph = void (TEffectPixels::*)(const TEffectPixels&, double);
  const TMorph morphs[] = {
      &TEffectPixels::Morph,          &TEffectPixels::MorphGrad,       &TEffectPixels::MorphHGrad,
      &TEffectPixels::MorphVGrad,     &TEffectPixels::MorphLeftGrad,   &TEffectPixels::MorphRightGrad,
      &TEffectPixels::MorphLeftSlide, &TEffectPixels::MorphRightSlide, &TEffectPixels::MorphPush};
  const TPixelImage before = image;
  for (TMorph morph : morphs) (pixels.*morph)(other, In.Factor());
  if (ow != w || oh != h) Check(std::memcmp(before.Bits(), image.Bits(), image.ByteSize()) == 0);
  pixels.MorphRect(other, TRect{In.Coordinate(), In.Coordinate(), In.Coordinate(), In.Coordinate()},
                   In.Factor(), In.Coordinate(), In.Coordinate());
  pixels.ChangeBrightness(In.Factor());
  pixels.ChangeDarkness(In.Factor());
  pixels.GrayScale();
  pixels.Invert();
  pixels.AddMonoNoise(In.Coordinate());
  pixels.SplitBlur(In.Coordinate());
  TPixelImage turned(h, w), flipped(w, h), odd(ow, oh);
  TEffectPixels turnedPixels(turned.Bits(), h, w), flippedPixels(flipped.Bits(), w, h),
      oddPixels(odd.Bits(), ow, oh);
  pixels.RotateLeftTo(turnedPixels);
  pixels.RotateRightTo(turnedPixels);
  pixels.FlipVertTo(flippedPixels);
  pixels.RotateLeftTo(oddPixels);
  pixels.FlipVertTo(oddPixels);
}

void FuzzMask(TInput& In) {
  const int32_t w = 1 + In.Byte() % 64, h = 1 + In.Byte() % 64;
  const int32_t dx = In.Coordinate(), dy = In.Coordinate();
  TPixelImage mask(w, h);
  In.Fill(mask);
  const std::vector<const uint8_t*> rows = RowsOf(mask);
  const std::vector<TRect> runs = MaskRunRects(rows, w, dx, dy);
  const TRgnDataBlock block = RgnDataFromMask(rows, w, dx, dy);
  Check(block.size() == 32 + 16 * runs.size());
  Check(runs.size() <= static_cast<size_t>(w + 1) / 2 * h);
  for (const TRect& r : runs) Check(r.Right >= r.Left && r.Bottom >= r.Top);
  // Sliced for region calls of a few rectangles each: every rectangle in exactly one slice.
  const size_t most = 1 + In.Byte() % 64;
  size_t sliced = 0;
  for (const TRgnDataBlock& slice : RgnDataSlices(block, most)) {
    Check(slice.size() >= 32 && slice.size() <= 32 + 16 * most);
    Check(std::memcmp(slice.data() + 12, block.data() + 12, 20) == 0);  // nRgnSize, rcBound
    sliced += (slice.size() - 32) / 16;
  }
  Check(sliced == runs.size());
  // Counted no further than one past a limit, as a window region's limit is checked.
  const size_t limit = size_t{In.Byte()} * 16;
  Check(CountMaskRuns(rows, w, limit) == std::min(runs.size(), limit + 1));
  // A region's rectangles: no more than the runs, and none where there is no run.
  const size_t rects = CountMaskRegionRects(rows, w, runs.size());
  Check(rects <= runs.size() && (rects == 0) == runs.empty());
  const size_t counted = CountMaskRegionRects(rows, w, limit);  // to the row that passes the limit
  Check(counted <= rects && (counted == rects || counted > limit));
}

void FuzzPlans(TInput& In) {
  const auto point = [&] { return TPoint{In.Coordinate(), In.Coordinate()}; };
  const auto rect = [&] { return TRect{In.Coordinate(), In.Coordinate(), In.Coordinate(), In.Coordinate()}; };
  TSkinCut cut{point(), point(), point(), point(), rect()};
  const TRect r = rect();
  const int32_t w = In.Byte() % 200, h = In.Byte() % 200;
  const uint8_t flags = In.Byte();
  const TSkinSides sides{(flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0, (flags & 8) != 0};
  const TSkinClientFill fill{(flags & 16) != 0, static_cast<TspStretchType>((flags >> 5) % 3)};
  const TSkinCut newCut =
      (flags & 128) != 0 ? TSkinCut{point(), point(), point(), point(), rect()} : CutForSize(cut, r, w, h);
  // Every copy has something to copy and lands at least partly inside its image; a plan
  // holds a copy per piece (the nine parts and four mask corners at most), its tiles
  // listed only in mask bands.
  const auto check = [](const TPiecePlan& plan, int32_t width, int32_t height, bool tileByTile = false) {
    Check(tileByTile ? plan.size() <= (static_cast<size_t>(width) + 2) * (static_cast<size_t>(height) + 2) * 16
                     : plan.size() <= 13);
    for (const TPieceCopy& c : plan) {
      Check(c.Source.Right > c.Source.Left && c.Source.Bottom > c.Source.Top);
      Check(!tileByTile || (!c.TiledAcross && !c.TiledDown));
      Check(c.Dest.Right > c.Dest.Left && c.Dest.Bottom > c.Dest.Top);
      Check(c.Dest.Right > 0 && c.Dest.Bottom > 0 && c.Dest.Left < width && c.Dest.Top < height);
    }
  };
  check(SkinImagePlan(cut, newCut, r, w, h, sides, true, fill), w, h);
  check(SkinClientPlan(cut.ClRect, newCut.ClRect, r, w, h, fill, (flags & 1) != 0), w, h);
  const TBorderPlans bands = SkinBorderPlans(cut, newCut, r, w, h, sides);
  const TBorderPlans masks = SkinBorderMaskPlans(cut, newCut, In.Byte(), In.Byte(), w);
  for (const bool mask : {false, true}) {
    const TBorderPlans& plans = mask ? masks : bands;
    for (const TBandPlan* band : {&plans.Top, &plans.Bottom, &plans.Left, &plans.Right})
      if (band->Drawn) check(band->Image.Copies, band->Image.Width, band->Image.Height, mask);
  }
  const TImagePlan horizontal = HSkinImagePlan(In.Coordinate(), In.Coordinate(), r, w, (flags & 1) != 0);
  check(horizontal.Copies, horizontal.Width, horizontal.Height);
  const TImagePlan vertical = VSkinImagePlan(In.Coordinate(), In.Coordinate(), r, h, (flags & 2) != 0);
  check(vertical.Copies, vertical.Width, vertical.Height);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TInput in(data, size);
  switch (in.Byte() % 3) {
    case 0:
      FuzzEffects(in);
      break;
    case 1:
      FuzzMask(in);
      break;
    default:
      FuzzPlans(in);
      break;
  }
  return 0;
}
