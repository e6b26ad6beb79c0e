#include "MaskRegionData.h"

#include "base/Exceptions.h"
#include "base/IntMath.h"

#include <algorithm>

using IntMath::Saturated;

namespace {

constexpr size_t HeaderSize = 32;
constexpr size_t RectSize = 16;

bool IsBlack(const uint8_t* Pixel) { return (Pixel[0] | Pixel[1] | Pixel[2]) == 0; }

void PutInt32(uint8_t*& At, int64_t Value) {
  const auto bits = static_cast<uint32_t>(Value);
  for (int i = 0; i < 4; ++i) *At++ = static_cast<uint8_t>(bits >> (8 * i));
}

void PutRect(uint8_t*& At, const TRect& R) {
  PutInt32(At, R.Left);
  PutInt32(At, R.Top);
  PutInt32(At, R.Right);
  PutInt32(At, R.Bottom);
}

// Calls Run(Start, End, Y) for each run of black pixels (End exclusive) in row order, left
// to right within a row, until it returns false.
template <class TRun>
void ForEachMaskRun(TMaskRows Rows, int32_t Width, TRun Run) {
  if (Width < 1) return;
  for (size_t y = 0; y < Rows.size(); ++y) {
    const uint8_t* row = Rows[y];
    int32_t x = 0;
    while (x < Width) {
      if (!IsBlack(row + x * 3)) {
        ++x;
        continue;
      }
      const int32_t start = x;
      while (x < Width && IsBlack(row + x * 3)) ++x;
      if (!Run(start, x, y)) return;
    }
  }
}

}  // namespace

std::vector<TRect> MaskRunRects(TMaskRows Rows, int32_t Width, int32_t DX, int32_t DY) {
  std::vector<TRect> runs;
  ForEachMaskRun(Rows, Width, [&](int32_t Start, int32_t End, size_t Y) {
    const int64_t top = int64_t{DY} + static_cast<int64_t>(Y);
    runs.push_back({Saturated(int64_t{Start} + DX), Saturated(top), Saturated(int64_t{End} + DX), Saturated(top + 1)});
    return true;
  });
  return runs;
}

size_t CountMaskRuns(TMaskRows Rows, int32_t Width, size_t Most) {
  size_t count = 0;
  ForEachMaskRun(Rows, Width, [&](int32_t, int32_t, size_t) { return ++count <= Most; });
  return count;
}

size_t CountMaskRegionRects(TMaskRows Rows, int32_t Width, size_t Most) {
  const auto blackAlike = [Width](const uint8_t* A, const uint8_t* B) {
    for (int32_t x = 0; x < Width; ++x)
      if (IsBlack(A + x * 3) != IsBlack(B + x * 3)) return false;
    return true;
  };
  size_t count = 0;
  for (size_t y = 0; y < Rows.size() && count <= Most; ++y)
    if (y == 0 || !blackAlike(Rows[y], Rows[y - 1])) count += CountMaskRuns(Rows.subspan(y, 1), Width, Most);
  return count;
}

TRgnDataBlock RgnDataBlock(const std::vector<TRect>& Rects, const TRect& Bound) {
  CheckedInt32(static_cast<int64_t>(HeaderSize + RectSize * Rects.size()));
  TRgnDataBlock block(HeaderSize + RectSize * Rects.size(), 0);
  uint8_t* at = block.data();
  PutInt32(at, HeaderSize);
  PutInt32(at, 1);  // RDH_RECTANGLES
  PutInt32(at, static_cast<int64_t>(Rects.size()));
  PutInt32(at, 0);
  PutRect(at, Bound);
  for (const TRect& r : Rects) PutRect(at, r);
  return block;
}

TRgnDataBlock RgnDataFromMask(TMaskRows Rows, int32_t Width, int32_t DX, int32_t DY) {
  const int64_t height = static_cast<int64_t>(Rows.size());
  const TRect bound{DX, DY, Saturated(int64_t{Width} + DX), Saturated(height + DY)};
  return RgnDataBlock(MaskRunRects(Rows, Width, DX, DY), bound);
}

size_t RgnDataRectCount(const TRgnDataBlock& Block) {
  return Block.size() < HeaderSize ? 0 : (Block.size() - HeaderSize) / RectSize;
}

std::vector<TRgnDataBlock> RgnDataSlices(const TRgnDataBlock& Block, size_t MaxRects) {
  std::vector<TRgnDataBlock> slices;
  if (Block.size() < HeaderSize) return slices;
  const size_t count = RgnDataRectCount(Block);
  const size_t most = std::max<size_t>(MaxRects, 1);
  size_t first = 0;
  do {
    const size_t taken = std::min(most, count - first);
    const auto rects = Block.begin() + static_cast<ptrdiff_t>(HeaderSize + RectSize * first);
    TRgnDataBlock slice(Block.begin(), Block.begin() + HeaderSize);
    slice.insert(slice.end(), rects, rects + static_cast<ptrdiff_t>(RectSize * taken));
    uint8_t* countAt = slice.data() + 8;  // nCount
    PutInt32(countAt, static_cast<int64_t>(taken));
    slices.push_back(std::move(slice));
    first += taken;
  } while (first < count);
  return slices;
}
