// Cursors drawn as text: the masks they make, and the drag cursor's hot spot.
#include "classlib/portable/CursorArt.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// 'X', 'o' or ' ' for the pixel at (x, y) of the masks.
char PixelOf(const TCursorMasks& masks, int x, int y) {
  const int byte = y * 4 + x / 8;
  const int bit = 0x80 >> (x % 8);
  if (masks.And[byte] & bit) return (masks.Xor[byte] & bit) ? '?' : ' ';
  return (masks.Xor[byte] & bit) ? 'o' : 'X';
}

TEST(CursorArt, PixelsLandInTheirBitsAndTheRestKeepsTheScreen) {
  const std::string longRow = std::string(31, ' ') + "XXXX";  // beyond column 31 is cut
  const char* rows[] = {"Xo", "  .o", "", longRow.c_str(), "        X"};
  const TCursorMasks masks = CursorMasksFromArt(rows);
  EXPECT_EQ(PixelOf(masks, 0, 0), 'X');
  EXPECT_EQ(PixelOf(masks, 1, 0), 'o');
  EXPECT_EQ(PixelOf(masks, 2, 1), ' ');  // an unknown character keeps the screen
  EXPECT_EQ(PixelOf(masks, 3, 1), 'o');
  EXPECT_EQ(PixelOf(masks, 31, 3), 'X');
  EXPECT_EQ(PixelOf(masks, 0, 4), ' ');
  EXPECT_EQ(PixelOf(masks, 8, 4), 'X');  // the first pixel of a row's second byte
  EXPECT_EQ(masks.And[4 * 4 + 1], 0x7F);
  EXPECT_EQ(PixelOf(masks, 0, 31), ' ');
  // Nothing is ever inverted (AND and XOR both set).
  for (size_t i = 0; i < masks.And.size(); ++i) EXPECT_EQ(masks.And[i] & masks.Xor[i], 0) << i;
}

TEST(CursorArt, TheDragCursorIsAnOutlinedArrowWithItsTipAtTheHotSpot) {
  const TCursorMasks masks = CursorMasksFromArt(DragCursorArt());
  EXPECT_EQ(PixelOf(masks, 0, 0), 'X');
  EXPECT_EQ(PixelOf(masks, 1, 0), ' ');
  EXPECT_EQ(PixelOf(masks, 2, 4), 'o');
  int black = 0, white = 0;
  for (int y = 0; y < kCursorSize; ++y)
    for (int x = 0; x < kCursorSize; ++x) {
      black += PixelOf(masks, x, y) == 'X';
      white += PixelOf(masks, x, y) == 'o';
    }
  // Outlined: white inside, black around; visible on light and dark ground alike.
  EXPECT_GT(black, 40);
  EXPECT_GT(white, 40);
}

}  // namespace
