#include "PictureAtlas.h"

#include "PixelPainter.h"

#include "base/Exceptions.h"

#include <algorithm>
#include <cstring>

TPictureAtlas::TPictureAtlas(int32_t Width, TColor Background, int32_t Gap)
    : FCanvas(Width, 0), FBackground(Background), FGap(Gap), FRowTop(Gap), FNextLeft(Gap) {}

void TPictureAtlas::NewRow() {
  if (FRowHeight == 0) return;
  FRowTop += FRowHeight + FGap;
  FRowHeight = 0;
  FNextLeft = FGap;
}

TRect TPictureAtlas::Allocate(int32_t Width, int32_t Height) {
  if (Width < 1 || Height < 1 || Width + 2 * FGap > FCanvas.Width())
    throw EInvalidGraphic("An atlas image of " + std::to_string(Width) + "x" +
                          std::to_string(Height) + " does not fit");
  if (FNextLeft + Width + FGap > FCanvas.Width()) NewRow();
  const TRect r = Bounds(FNextLeft, FRowTop, Width, Height);
  FNextLeft += Width + FGap;
  FRowHeight = std::max(FRowHeight, Height);
  Grow(r.Bottom + FGap);
  FUsedRight = std::max(FUsedRight, r.Right + FGap);
  FUsedBottom = std::max(FUsedBottom, r.Bottom + FGap);
  return r;
}

void TPictureAtlas::Grow(int32_t Height) {
  if (Height <= FCanvas.Height()) return;
  TPixelImage grown(FCanvas.Width(), Height);
  for (int32_t y = 0; y < FCanvas.Height(); ++y)
    std::memcpy(grown.ScanLine(y), FCanvas.ScanLine(y), static_cast<size_t>(FCanvas.Stride()));
  TPixelPainter(grown).Fill({0, FCanvas.Height(), grown.Width(), Height}, FBackground);
  FCanvas = std::move(grown);
}

TPixelImage TPictureAtlas::Picture() const {
  TPixelImage picture(FUsedRight, FUsedBottom);
  TPixelPainter(picture).Copy(FCanvas, {0, 0, FUsedRight, FUsedBottom}, 0, 0);
  return picture;
}
