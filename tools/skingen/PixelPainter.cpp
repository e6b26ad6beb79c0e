#include "PixelPainter.h"

#include <algorithm>

namespace {

int MixChannel(int A, int B, int Weight) { return (A * (256 - Weight) + B * Weight + 128) >> 8; }

// Channel value at step I of N (0 .. N - 1) from A to B, rounded to nearest.
int Ramp(int A, int B, int32_t I, int32_t N) {
  if (N <= 1) return A;
  const int64_t span = N - 1;
  return static_cast<int>((A * (span - I) + B * I + span / 2) / span);
}

TColor RampColor(TColor A, TColor B, int32_t I, int32_t N) {
  return RGBColor(static_cast<uint8_t>(Ramp(RedOf(A), RedOf(B), I, N)),
                  static_cast<uint8_t>(Ramp(GreenOf(A), GreenOf(B), I, N)),
                  static_cast<uint8_t>(Ramp(BlueOf(A), BlueOf(B), I, N)));
}

// True when the subsample at (SX, SY), in eighths of a pixel, lies in the rounded
// rectangle; Rect and Radius are in eighths too.
bool SubsampleInside(const TRect& Rect, int Radius, uint8_t Corners, int64_t SX, int64_t SY) {
  if (SX < Rect.Left || SX >= Rect.Right || SY < Rect.Top || SY >= Rect.Bottom) return false;
  if (Radius <= 0) return true;
  const bool left = SX < Rect.Left + Radius, right = SX >= Rect.Right - Radius;
  const bool top = SY < Rect.Top + Radius, bottom = SY >= Rect.Bottom - Radius;
  int64_t cx, cy;
  if (top && left && (Corners & cnTopLeft)) {
    cx = Rect.Left + Radius;
    cy = Rect.Top + Radius;
  } else if (top && right && (Corners & cnTopRight)) {
    cx = Rect.Right - Radius;
    cy = Rect.Top + Radius;
  } else if (bottom && left && (Corners & cnBottomLeft)) {
    cx = Rect.Left + Radius;
    cy = Rect.Bottom - Radius;
  } else if (bottom && right && (Corners & cnBottomRight)) {
    cx = Rect.Right - Radius;
    cy = Rect.Bottom - Radius;
  } else {
    return true;
  }
  const int64_t dx = SX - cx, dy = SY - cy;
  return dx * dx + dy * dy <= int64_t{Radius} * Radius;
}

// A, B and C weighted by WA + WB + WC = 16 subsamples, each channel rounded to nearest.
TColor Weighted(TColor A, int WA, TColor B, int WB, TColor C, int WC) {
  auto channel = [&](uint8_t (*of)(TColor)) {
    return static_cast<uint8_t>((of(A) * WA + of(B) * WB + of(C) * WC + 8) / 16);
  };
  return RGBColor(channel(RedOf), channel(GreenOf), channel(BlueOf));
}

}  // namespace

TColor MixColors(TColor A, TColor B, int Weight) {
  Weight = std::clamp(Weight, 0, 256);
  return RGBColor(static_cast<uint8_t>(MixChannel(RedOf(A), RedOf(B), Weight)),
                  static_cast<uint8_t>(MixChannel(GreenOf(A), GreenOf(B), Weight)),
                  static_cast<uint8_t>(MixChannel(BlueOf(A), BlueOf(B), Weight)));
}

int RoundRectCoverage(const TRect& R, int Radius, uint8_t Corners, int32_t X, int32_t Y) {
  const TRect eighths{R.Left * 8, R.Top * 8, R.Right * 8, R.Bottom * 8};
  const int radius = std::max(0, std::min({Radius, R.Width() / 2, R.Height() / 2})) * 8;
  int count = 0;
  for (int j = 0; j < 4; ++j)
    for (int i = 0; i < 4; ++i)
      if (SubsampleInside(eighths, radius, Corners, int64_t{X} * 8 + 2 * i + 1,
                          int64_t{Y} * 8 + 2 * j + 1))
        ++count;
  return count;
}

void TPixelPainter::Pixel(int32_t X, int32_t Y, TColor Color) {
  if (Inside(X, Y)) FImage.SetPixel(X, Y, Color);
}

void TPixelPainter::Blend(int32_t X, int32_t Y, TColor Color, int Weight) {
  if (Inside(X, Y) && Weight > 0)
    FImage.SetPixel(X, Y, MixColors(FImage.Pixel(X, Y), Color, Weight));
}

void TPixelPainter::Fill(const TRect& R, TColor Color) {
  for (int32_t y = std::max(R.Top, 0); y < std::min(R.Bottom, FImage.Height()); ++y)
    for (int32_t x = std::max(R.Left, 0); x < std::min(R.Right, FImage.Width()); ++x)
      FImage.SetPixel(x, y, Color);
}

void TPixelPainter::Frame(const TRect& R, TColor Color) {
  if (IsRectEmpty(R)) return;
  HLine(R.Left, R.Right, R.Top, Color);
  HLine(R.Left, R.Right, R.Bottom - 1, Color);
  VLine(R.Left, R.Top, R.Bottom, Color);
  VLine(R.Right - 1, R.Top, R.Bottom, Color);
}

void TPixelPainter::HLine(int32_t X1, int32_t X2, int32_t Y, TColor Color) {
  Fill({X1, Y, X2, Y + 1}, Color);
}

void TPixelPainter::VLine(int32_t X, int32_t Y1, int32_t Y2, TColor Color) {
  Fill({X, Y1, X + 1, Y2}, Color);
}

void TPixelPainter::VerticalGradient(const TRect& R, TColor Top, TColor Bottom) {
  for (int32_t y = R.Top; y < R.Bottom; ++y)
    HLine(R.Left, R.Right, y, RampColor(Top, Bottom, y - R.Top, R.Height()));
}

void TPixelPainter::HorizontalGradient(const TRect& R, TColor Left, TColor Right) {
  for (int32_t x = R.Left; x < R.Right; ++x)
    VLine(x, R.Top, R.Bottom, RampColor(Left, Right, x - R.Left, R.Width()));
}

void TPixelPainter::Box(const TRect& R, const TBoxStyle& Style) {
  const TRect inner = InflateRect(R, -1, -1);
  const int innerRadius = std::max(0, Style.Radius - 1);
  for (int32_t y = std::max(R.Top, 0); y < std::min(R.Bottom, FImage.Height()); ++y) {
    const TColor fill = RampColor(Style.FillTop, Style.FillBottom, y - inner.Top, inner.Height());
    for (int32_t x = std::max(R.Left, 0); x < std::min(R.Right, FImage.Width()); ++x) {
      const int outer = RoundRectCoverage(R, Style.Radius, Style.Corners, x, y);
      if (outer == 0) continue;
      const int in =
          IsRectEmpty(inner) ? 0 : RoundRectCoverage(inner, innerRadius, Style.Corners, x, y);
      // The pixel is the border where the ring covers it, the fill inside and the
      // background elsewhere, each in proportion to its subsamples.
      FImage.SetPixel(x, y,
                      Weighted(FImage.Pixel(x, y), 16 - outer, Style.Border, outer - in, fill, in));
    }
  }
}

void TPixelPainter::RoundFill(const TRect& R, int Radius, TColor Color, uint8_t Corners) {
  for (int32_t y = std::max(R.Top, 0); y < std::min(R.Bottom, FImage.Height()); ++y)
    for (int32_t x = std::max(R.Left, 0); x < std::min(R.Right, FImage.Width()); ++x)
      Blend(x, y, Color, RoundRectCoverage(R, Radius, Corners, x, y) * 16);
}

void TPixelPainter::Disc(int32_t X, int32_t Y, int Diameter, TColor Color) {
  RoundFill(Bounds(X, Y, Diameter, Diameter), (Diameter + 1) / 2, Color);
}

void TPixelPainter::Glyph(const TPixelGlyph& G, int32_t X, int32_t Y, TColor Color) {
  for (int32_t y = 0; y < G.Height(); ++y)
    for (int32_t x = 0; x < G.Width(); ++x) Blend(X + x, Y + y, Color, G.Weight(x, y));
}

void TPixelPainter::GlyphCentred(const TPixelGlyph& G, const TRect& R, TColor Color) {
  Glyph(G, R.Left + (R.Width() - G.Width()) / 2, R.Top + (R.Height() - G.Height()) / 2, Color);
}

void TPixelPainter::Copy(const TPixelImage& Picture, const TRect& Source, int32_t X, int32_t Y) {
  for (int32_t y = 0; y < Source.Height(); ++y)
    for (int32_t x = 0; x < Source.Width(); ++x) {
      const int32_t sx = Source.Left + x, sy = Source.Top + y;
      if (sx >= 0 && sy >= 0 && sx < Picture.Width() && sy < Picture.Height())
        Pixel(X + x, Y + y, Picture.Pixel(sx, sy));
    }
}

TPixelImage RoundMask(int32_t Width, int32_t Height, const TRect& R, int Radius, uint8_t Corners) {
  TPixelImage mask(Width, Height);
  for (int32_t y = 0; y < Height; ++y)
    for (int32_t x = 0; x < Width; ++x)
      mask.SetPixel(x, y, RoundRectCoverage(R, Radius, Corners, x, y) >= 8 ? clBlack : clWhite);
  return mask;
}
