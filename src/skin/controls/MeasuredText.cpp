#include "MeasuredText.h"

#include "classlib/Bitmap.h"

int32_t InkOverhang(TCanvas& Canvas, const std::string& Text, UINT Flags) {
  TRect measured{};
  Canvas.DrawText(Text, measured, Flags | DT_CALCRECT);
  const int32_t width = measured.Width(), height = measured.Height();
  if (Text.empty() || width <= 0 || height <= 0) return 0;
  // The line drawn black on white in a picture with room beside its measured width (as
  // much as the line is high, more than an italic's slant), then its last inked column.
  const int32_t reach = height;
  TBitmap picture(width + reach, height);
  TCanvas& drawn = *picture.Canvas();
  drawn.Brush()->SetColor(clWhite);
  drawn.FillRect({0, 0, width + reach, height});
  drawn.Font()->Assign(Canvas.Font());
  drawn.Font()->SetColor(clBlack);
  drawn.Brush()->SetStyle(bsClear);
  TRect box{0, 0, width, height};
  drawn.DrawText(Text, box, Flags | MeasuredBoxFlags);
  const TPixelImage pixels = picture.ToPixelImage();
  for (int32_t x = width + reach - 1; x >= width; --x)
    for (int32_t y = 0; y < height; ++y)
      if (pixels.Pixel(x, y) != clWhite) return x + 1 - width;
  return 0;
}
