#pragma once
// TPixelPainter: deterministic drawing on a TPixelImage for the skin generator. Every
// operation is integer arithmetic: fills, frames, lines, gradients, rounded rectangles
// whose edges are blended over what lies beneath by 4 x 4 subsample coverage, pixel-art
// glyphs and copies. Drawing is clipped to the image.

#include "PixelGlyph.h"

#include "base/Colors.h"
#include "base/Geometry.h"
#include "base/PixelImage.h"

#include <cstdint>

// Which corners of a rectangle are rounded.
enum TCorner : uint8_t {
  cnTopLeft = 1,
  cnTopRight = 2,
  cnBottomLeft = 4,
  cnBottomRight = 8,
  cnTop = cnTopLeft | cnTopRight,
  cnBottom = cnBottomLeft | cnBottomRight,
  cnAll = cnTop | cnBottom,
};

// The look of a rounded box: a one-pixel border and a fill running from FillTop at the
// first row to FillBottom at the last.
struct TBoxStyle {
  TColor Border;
  TColor FillTop;
  TColor FillBottom;
  int Radius = 0;
  uint8_t Corners = cnAll;
};

// Weight runs from 0 (all A) to 256 (all B); each channel is rounded to nearest.
TColor MixColors(TColor A, TColor B, int Weight);

// Subsamples (of 16) of pixel (X, Y) inside the rectangle R whose chosen corners are
// quarter circles of Radius.
int RoundRectCoverage(const TRect& R, int Radius, uint8_t Corners, int32_t X, int32_t Y);

class TPixelPainter {
public:
  explicit TPixelPainter(TPixelImage& Image) : FImage(Image) {}

  void Pixel(int32_t X, int32_t Y, TColor Color);
  // Mixes Color into the pixel with Weight 0 .. 256.
  void Blend(int32_t X, int32_t Y, TColor Color, int Weight);
  void Fill(const TRect& R, TColor Color);
  void Frame(const TRect& R, TColor Color);                     // one pixel inside R
  void HLine(int32_t X1, int32_t X2, int32_t Y, TColor Color);  // X2 excluded
  void VLine(int32_t X, int32_t Y1, int32_t Y2, TColor Color);  // Y2 excluded
  // Row y of R takes the colour Top + (Bottom - Top) * (y - R.Top) / (height - 1).
  void VerticalGradient(const TRect& R, TColor Top, TColor Bottom);
  void HorizontalGradient(const TRect& R, TColor Left, TColor Right);
  // A rounded box over what is already drawn: pixels on its curved edges are blended
  // by coverage, so the box sits smoothly on the background beneath it.
  void Box(const TRect& R, const TBoxStyle& Style);
  // A rounded area of one colour, no border.
  void RoundFill(const TRect& R, int Radius, TColor Color, uint8_t Corners = cnAll);
  // A filled circle of Diameter in the square at (X, Y), edges blended.
  void Disc(int32_t X, int32_t Y, int Diameter, TColor Color);
  // The glyph's cells at (X, Y): '#' in Color, '+' half blended, '-' a quarter.
  void Glyph(const TPixelGlyph& G, int32_t X, int32_t Y, TColor Color);
  // The glyph centred in R (left and top rounded down).
  void GlyphCentred(const TPixelGlyph& G, const TRect& R, TColor Color);
  // Copies Source (in Picture) to (X, Y) of this image, unscaled.
  void Copy(const TPixelImage& Picture, const TRect& Source, int32_t X, int32_t Y);

private:
  bool Inside(int32_t X, int32_t Y) const {
    return X >= 0 && Y >= 0 && X < FImage.Width() && Y < FImage.Height();
  }

  TPixelImage& FImage;
};

// A 1-bit window mask: black inside the rounded rectangle R of Width x Height (a pixel is
// inside when at least half of it is covered), white outside.
TPixelImage RoundMask(int32_t Width, int32_t Height, const TRect& R, int Radius,
                      uint8_t Corners = cnAll);
