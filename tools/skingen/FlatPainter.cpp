#include "FlatPainter.h"

#include "PixelPainter.h"

#include "base/Exceptions.h"

#include <string>

namespace {

constexpr int FlatLevels = 9;

}  // namespace

TColor FlatColor(int Index) {
  if (Index < 0 || Index >= FlatLevels * FlatLevels * FlatLevels)
    throw ERangeError("The flat-colour skin has no colour " + std::to_string(Index));
  const auto level = [](int k) { return static_cast<uint8_t>(20 + 24 * (k % FlatLevels)); };
  return RGBColor(level(Index), level(Index / FlatLevels),
                  level(Index / (FlatLevels * FlatLevels)));
}

TFlatPainter::TFlatPainter(TSkinBuilder& Skin)
    : FPicture(Skin.AddAtlas("flat.bmp", 512, clWhite)), FAtlas(Skin.Atlas(FPicture)) {}

TRect TFlatPainter::Rect(int32_t Width, int32_t Height) {
  const TRect r = FAtlas.Allocate(Width, Height);
  TPixelPainter(FAtlas.Canvas()).Fill(r, NextColor());
  return r;
}

TRect TFlatPainter::Keyed(int32_t Width, int32_t Height) {
  const TRect r = Rect(Width, Height);
  TPixelPainter(FAtlas.Canvas()).Pixel(r.Left, r.Bottom - 1, FlatKeyColor);
  return r;
}

TRect TFlatPainter::Grid(int32_t CellWidth, int32_t CellHeight, int Columns, int Rows) {
  const TRect r = FAtlas.Allocate(CellWidth * Columns, CellHeight * Rows);
  TPixelPainter p(FAtlas.Canvas());
  for (int row = 0; row < Rows; ++row)
    for (int column = 0; column < Columns; ++column)
      p.Fill(Bounds(r.Left + column * CellWidth, r.Top + row * CellHeight, CellWidth, CellHeight),
             NextColor());
  return r;
}

TPixelImage TFlatPainter::PaintPicture(int32_t Width, int32_t Height,
                                       std::span<const TRect> Parts) {
  TPixelImage picture(Width, Height);
  TPixelPainter p(picture);
  for (const TRect& part : Parts) p.Fill(part, NextColor());
  return picture;
}

TPixelImage CornerMask(int32_t Width, int32_t Height) {
  TPixelImage mask(Width, Height);
  TPixelPainter p(mask);
  for (const TRect& corner :
       {TRect{0, 0, 2, 2}, TRect{Width - 2, 0, Width, 2}, TRect{0, Height - 2, 2, Height},
        TRect{Width - 2, Height - 2, Width, Height}})
    p.Fill(corner, clWhite);
  return mask;
}
