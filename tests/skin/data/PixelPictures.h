#pragma once
// Pixel images for the skin imaging tests: a mask drawn from rows of marks, the table of
// an image's row addresses, a part cut out of an image, and a pixel-by-pixel comparison.

#include "base/Geometry.h"
#include "base/PixelImage.h"

#include <string>
#include <vector>

// A mask from rows of '#' (black: inside) and '.' (white).
inline TPixelImage MaskFromRows(const std::vector<std::string>& Rows) {
  TPixelImage mask(static_cast<int32_t>(Rows.front().size()), static_cast<int32_t>(Rows.size()));
  for (int32_t y = 0; y < mask.Height(); ++y)
    for (int32_t x = 0; x < mask.Width(); ++x) mask.SetPixel(x, y, Rows[y][x] == '#' ? clBlack : clWhite);
  return mask;
}

// The address of each row of an image, top row first.
inline std::vector<const uint8_t*> RowsOf(const TPixelImage& Image) {
  std::vector<const uint8_t*> rows;
  for (int32_t y = 0; y < Image.Height(); ++y) rows.push_back(Image.ScanLine(y));
  return rows;
}

// The part R of an image.
inline TPixelImage Crop(const TPixelImage& Image, const TRect& R) {
  TPixelImage part(R.Width(), R.Height());
  for (int32_t y = 0; y < R.Height(); ++y)
    for (int32_t x = 0; x < R.Width(); ++x) part.SetPixel(x, y, Image.Pixel(R.Left + x, R.Top + y));
  return part;
}

inline bool SamePixels(const TPixelImage& A, const TPixelImage& B) {
  if (A.Width() != B.Width() || A.Height() != B.Height()) return false;
  for (int32_t y = 0; y < A.Height(); ++y)
    for (int32_t x = 0; x < A.Width(); ++x)
      if (A.Pixel(x, y) != B.Pixel(x, y)) return false;
  return true;
}
