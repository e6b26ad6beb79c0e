#pragma once
// Bitmaps for the Windows skin imaging tests: made from pixel images, filled, and read
// back as pixel images or as rows of marks.

#include "PixelPictures.h"

#include "classlib/Bitmap.h"

#include <memory>
#include <string>
#include <vector>

inline std::unique_ptr<TBitmap> BitmapOf(const TPixelImage& Image) {
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->LoadFromPixelImage(Image);
  return bitmap;
}

inline std::unique_ptr<TBitmap> FilledBitmap(int Width, int Height, TColor Color,
                                             TPixelFormat Format = pf24bit) {
  auto bitmap = std::make_unique<TBitmap>(Width, Height, Format);
  bitmap->Canvas()->Brush()->SetColor(Color);
  bitmap->Canvas()->FillRect(TRect{0, 0, Width, Height});
  return bitmap;
}

// One string per row: '#' where the pixel is Ink, '.' elsewhere.
inline std::vector<std::string> InkRows(TBitmap& Bitmap, TColor Ink) {
  const TPixelImage image = Bitmap.ToPixelImage();
  std::vector<std::string> rows;
  for (int32_t y = 0; y < image.Height(); ++y) {
    std::string row;
    for (int32_t x = 0; x < image.Width(); ++x) row += image.Pixel(x, y) == Ink ? '#' : '.';
    rows.push_back(row);
  }
  return rows;
}
