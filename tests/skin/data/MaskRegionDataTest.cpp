#include "PixelPictures.h"

#include "skin/data/MaskRegionData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace {

std::vector<TRect> Runs(const TPixelImage& Mask, int32_t DX = 0, int32_t DY = 0) {
  return MaskRunRects(RowsOf(Mask), Mask.Width(), DX, DY);
}

int32_t Int32At(const TRgnDataBlock& Block, size_t Offset) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | Block.at(Offset + i);
  return static_cast<int32_t>(value);
}

TRect RectAt(const TRgnDataBlock& Block, size_t Offset) {
  return {Int32At(Block, Offset), Int32At(Block, Offset + 4), Int32At(Block, Offset + 8),
          Int32At(Block, Offset + 12)};
}

TEST(MaskRegionData, EachRunOfBlackPixelsInARowIsOneRectangle) {
  EXPECT_EQ(Runs(MaskFromRows({"#"}), 3, 4), (std::vector<TRect>{{3, 4, 4, 5}}));
  EXPECT_EQ(Runs(MaskFromRows({"#.#", "###", "..."})),
            (std::vector<TRect>{{0, 0, 1, 1}, {2, 0, 3, 1}, {0, 1, 3, 2}}));
  EXPECT_EQ(Runs(MaskFromRows({".##..###.", "#......##"}), -2, 10),
            (std::vector<TRect>{{-1, 10, 1, 11}, {3, 10, 6, 11}, {-2, 11, -1, 12}, {5, 11, 7, 12}}));
  EXPECT_TRUE(Runs(MaskFromRows({"....", "...."})).empty());
}

// Counting stops at the run past the most asked for: rows after it are never read (here
// they are no rows at all), so that a mask too fine for a region costs little to refuse.
TEST(MaskRegionData, RunsAreCountedNoFurtherThanOnePastTheMost) {
  const TPixelImage mask = MaskFromRows({"#.#.#", "..#..", "#####"});  // five runs
  std::vector<const uint8_t*> rows = RowsOf(mask);
  EXPECT_EQ(CountMaskRuns(rows, 5, 5), 5u);
  EXPECT_EQ(CountMaskRuns(rows, 5, 4), 5u);
  EXPECT_EQ(CountMaskRuns(rows, 5, 99), 5u);
  rows.resize(1000, nullptr);
  for (size_t most : {size_t{0}, size_t{1}, size_t{3}}) EXPECT_EQ(CountMaskRuns(rows, 5, most), most + 1) << most;
  EXPECT_EQ(CountMaskRuns(RowsOf(MaskFromRows({"....."})), 5, 0), 0u);
}

// A region keeps one rectangle for each run of a band of rows whose black pixels lie
// alike (a rounded corner's rows each count, the straight rows below it once); the count
// stops at the row that passes the most.
TEST(MaskRegionData, RegionRectsCountTheRunsOfEachBandOfLikeRowsOnce) {
  const TPixelImage frame = MaskFromRows({"..##..", ".####.", "##..##", "##..##", "##..##", "######", "######"});
  const std::vector<const uint8_t*> rows = RowsOf(frame);
  EXPECT_EQ(CountMaskRegionRects(rows, 6, 99), 5u);  // 1, 1, 2 for three rows, 1 for two
  EXPECT_EQ(CountMaskRuns(rows, 6, 99), 10u);
  TPixelImage colours = MaskFromRows({"#.", "#."});  // white and another colour are alike
  colours.SetPixel(1, 1, RGBColor(9, 9, 9));
  EXPECT_EQ(CountMaskRegionRects(RowsOf(colours), 2, 99), 1u);
  const TPixelImage checkerboard = MaskFromRows({"#.#.", ".#.#", "#.#.", ".#.#"});
  EXPECT_EQ(CountMaskRegionRects(RowsOf(checkerboard), 4, 99), 8u);
  EXPECT_EQ(CountMaskRegionRects(RowsOf(checkerboard), 4, 3), 4u);  // no row after the one past 3
  EXPECT_EQ(CountMaskRegionRects(RowsOf(checkerboard), 0, 99), 0u);
}

TEST(MaskRegionData, OnlyPureBlackCountsAndRowPaddingIsNoPixel) {
  TPixelImage mask(3, 2);  // black, rows of 9 bytes padded to 12 with zero bytes
  for (int32_t y = 0; y < 2; ++y)
    for (int32_t x = 0; x < 3; ++x) mask.SetPixel(x, y, clWhite);
  mask.SetPixel(0, 0, RGBColor(0, 0, 1));
  mask.SetPixel(1, 0, RGBColor(1, 0, 0));
  mask.SetPixel(2, 1, clBlack);
  EXPECT_EQ(Runs(mask), (std::vector<TRect>{{2, 1, 3, 2}}));
}

TEST(MaskRegionData, TheBlockHasAHeaderBoundsAndTheRectangles) {
  const TPixelImage single = MaskFromRows({"#"});
  const TRgnDataBlock one = RgnDataFromMask(RowsOf(single), 1, 5, 6);
  ASSERT_EQ(one.size(), 48u);
  EXPECT_EQ(Int32At(one, 0), 32);  // dwSize
  EXPECT_EQ(Int32At(one, 4), 1);   // RDH_RECTANGLES
  EXPECT_EQ(Int32At(one, 8), 1);   // nCount
  EXPECT_EQ(Int32At(one, 12), 0);  // nRgnSize
  EXPECT_EQ(RectAt(one, 16), (TRect{5, 6, 6, 7}));
  EXPECT_EQ(RectAt(one, 32), (TRect{5, 6, 6, 7}));

  const TPixelImage white = MaskFromRows({"....", "....", "...."});
  const TRgnDataBlock none = RgnDataFromMask(RowsOf(white), 4, -7, 2);
  ASSERT_EQ(none.size(), 32u);
  EXPECT_EQ(Int32At(none, 8), 0);
  EXPECT_EQ(RectAt(none, 16), (TRect{-7, 2, -3, 5}));

  EXPECT_EQ(RgnDataFromMask({}, 0, 0, 0).size(), 32u);
}

TEST(MaskRegionData, MoreRunsThanAFixedBufferWouldHold) {
  // Alternating columns: 100 runs in each of 110 rows.
  TPixelImage mask(200, 110);
  for (int32_t y = 0; y < 110; ++y)
    for (int32_t x = 1; x < 200; x += 2) mask.SetPixel(x, y, clWhite);
  const TRgnDataBlock block = RgnDataFromMask(RowsOf(mask), 200, 0, 0);
  ASSERT_EQ(block.size(), 32u + 16u * 11000u);
  EXPECT_EQ(Int32At(block, 8), 11000);
  EXPECT_EQ(RectAt(block, 32), (TRect{0, 0, 1, 1}));
  EXPECT_EQ(RectAt(block, 32 + 16 * 10999), (TRect{198, 109, 199, 110}));
}

TEST(MaskRegionData, SlicesHoldTheRectanglesInOrderUnderTheSameHeaderAndBounds) {
  const TPixelImage mask = MaskFromRows({"#.#.#", "#.#.."});  // five runs
  const TRgnDataBlock block = RgnDataFromMask(RowsOf(mask), 5, 1, 2);
  const std::vector<TRgnDataBlock> slices = RgnDataSlices(block, 2);
  ASSERT_EQ(slices.size(), 3u);
  size_t next = 32;
  for (size_t i = 0; i < slices.size(); ++i) {
    const TRgnDataBlock& slice = slices[i];
    const size_t count = i < 2 ? 2 : 1;
    ASSERT_EQ(slice.size(), 32 + 16 * count);
    EXPECT_TRUE(std::equal(slice.begin(), slice.begin() + 8, block.begin()));  // dwSize, iType
    EXPECT_EQ(Int32At(slice, 8), static_cast<int32_t>(count));
    EXPECT_TRUE(std::equal(slice.begin() + 12, slice.begin() + 32, block.begin() + 12));  // nRgnSize, rcBound
    for (size_t r = 0; r < count; ++r, next += 16) EXPECT_EQ(RectAt(slice, 32 + 16 * r), RectAt(block, next));
  }
  EXPECT_EQ(next, block.size());

  EXPECT_EQ(RgnDataSlices(block, 5), (std::vector<TRgnDataBlock>{block}));
  const TRgnDataBlock empty = RgnDataFromMask(RowsOf(MaskFromRows({".."})), 2, 0, 0);
  EXPECT_EQ(RgnDataSlices(empty, 2), (std::vector<TRgnDataBlock>{empty}));
}

TEST(MaskRegionData, OffsetsBeyondTheIntegerRangeSaturate) {
  const TPixelImage mask = MaskFromRows({"##"});
  const int32_t max = std::numeric_limits<int32_t>::max();
  EXPECT_EQ(Runs(mask, max - 1, max), (std::vector<TRect>{{max - 1, max, max, max}}));
  const TRgnDataBlock block = RgnDataFromMask(RowsOf(mask), 2, max, 0);
  EXPECT_EQ(RectAt(block, 16), (TRect{max, 0, max, 1}));
}

}  // namespace
