#pragma once
// TPictureAtlas: one skin picture filled with many small images. Allocate hands out
// rectangles row by row (a new row starts when the next one would pass the picture's
// width); Picture crops the canvas to what was handed out. Rectangles keep a gap so that
// no image bleeds into its neighbour when the skin stretches it.

#include "base/Colors.h"
#include "base/Geometry.h"
#include "base/PixelImage.h"

#include <cstdint>

class TPictureAtlas {
public:
  // A canvas Width wide, filled with Background, that grows downwards as needed.
  TPictureAtlas(int32_t Width, TColor Background, int32_t Gap = 2);

  // The next free rectangle of Width x Height. Raises EInvalidGraphic for a size that
  // cannot fit the canvas.
  TRect Allocate(int32_t Width, int32_t Height);
  // Closes the current row, so the next rectangle starts at the left edge.
  void NewRow();

  TPixelImage& Canvas() { return FCanvas; }
  // The canvas cut to the lowest and rightmost edge handed out.
  TPixelImage Picture() const;

private:
  void Grow(int32_t Height);

  TPixelImage FCanvas;
  TColor FBackground;
  int32_t FGap;
  int32_t FRowTop;
  int32_t FRowHeight = 0;
  int32_t FNextLeft;
  int32_t FUsedRight = 0;
  int32_t FUsedBottom = 0;
};
