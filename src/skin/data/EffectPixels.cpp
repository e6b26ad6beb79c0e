#include "EffectPixels.h"

#include "base/Exceptions.h"
#include "base/PixelImage.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

namespace {

constexpr int BytesPerPixel = 3;

// Factors outside 0..1 (and NaN) count as the nearer end.
double ClampedFactor(double Kf) {
  if (!(Kf > 0)) return 0;
  return Kf < 1 ? Kf : 1;
}

// To nearest, halves to even (the default rounding mode).
int32_t RoundHalfEven(double Value) { return static_cast<int32_t>(std::nearbyint(Value)); }

uint8_t ClampChannel(int Value) { return static_cast<uint8_t>(std::clamp(Value, 0, 255)); }

// c := (1 - Kf) * c + Kf * o
uint8_t CrossFade(uint8_t C, uint8_t O, double Kf) {
  return ClampChannel(RoundHalfEven((1 - Kf) * C + Kf * O));
}

// c := c * k + o * (1 - k): k = 0 shows the other image, k = 1 this one.
uint8_t GradientBlend(uint8_t C, uint8_t O, double K) {
  return ClampChannel(RoundHalfEven(C * K + O * (1 - K)));
}

// An index that may lie outside 0 .. Count - 1, brought to the nearest one inside.
int32_t Within(int64_t Index, int32_t Count) {
  return static_cast<int32_t>(std::clamp<int64_t>(Index, 0, Count - 1));
}

// N := round(Length * Kf), then at least Low and at most Length - 1.
int32_t BandLength(int32_t Length, double Kf, int32_t Low) {
  return std::min(std::max(RoundHalfEven(Length * ClampedFactor(Kf)), Low), Length - 1);
}

// The centre band of the centre gradient: Other shows in Lo .. Hi and fades into this
// image over (Length - N) div 2 pixels on each side.
struct TCentreBand {
  int32_t Lo;
  int32_t Hi;
  double Step;
};

TCentreBand CentreBand(int32_t Length, double Kf) {
  const int32_t n = RoundHalfEven(Length * ClampedFactor(Kf));
  const int32_t margin = (Length - n) / 2;
  return {std::max(0, Length / 2 - n / 2), std::min(Length - 1, Length / 2 + n / 2),
          margin == 0 ? 1.0 : 1.0 / margin};
}

// k starts at 0 at From and grows by Step per pixel up to 1.
void BlendRun(uint8_t* Row, const uint8_t* Other, int32_t From, int32_t To, double Step) {
  const int32_t direction = To >= From ? 1 : -1;
  double k = 0;
  for (int32_t x = From;; x += direction) {
    for (int i = 0; i < BytesPerPixel; ++i) {
      const int32_t at = x * BytesPerPixel + i;
      Row[at] = GradientBlend(Row[at], Other[at], k);
    }
    k = std::min(k + Step, 1.0);
    if (x == To) break;
  }
}

void CopyPixel(uint8_t* To, int32_t ToX, const uint8_t* From, int32_t FromX) {
  std::memmove(To + ToX * BytesPerPixel, From + FromX * BytesPerPixel, BytesPerPixel);
}

std::minstd_rand& NoiseGenerator() {
  static std::minstd_rand generator;
  return generator;
}

}  // namespace

void ClampRGB(int& R, int& G, int& B) {
  R = ClampChannel(R);
  G = ClampChannel(G);
  B = ClampChannel(B);
}

TEffectPixels::TEffectPixels(uint8_t* Bits, int32_t Width, int32_t Height) { Attach(Bits, Width, Height); }

void TEffectPixels::Attach(uint8_t* Bits, int32_t Width, int32_t Height) {
  const bool empty = Bits == nullptr || Width < 1 || Height < 1;
  FBits = empty ? nullptr : Bits;
  FWidth = empty ? 0 : Width;
  FHeight = empty ? 0 : Height;
}

int32_t TEffectPixels::RowSize(int32_t Width) { return TPixelImage::StrideFor(Width, 24); }

bool TEffectPixels::SameSize(const TEffectPixels& Other) const {
  return Other.FWidth == FWidth && Other.FHeight == FHeight && FWidth > 0;
}

uint8_t* TEffectPixels::GetScanLine(int32_t Y) const {
  CheckRange(Y, FHeight);
  return FBits + static_cast<size_t>(Y) * RowSize(FWidth);
}

uint8_t* TEffectPixels::PixelAt(int32_t X, int32_t Y) const {
  CheckRange(X, FWidth);
  return GetScanLine(Y) + static_cast<size_t>(X) * BytesPerPixel;
}

int32_t TEffectPixels::GetPixel(int32_t X, int32_t Y) const {
  const uint8_t* p = PixelAt(X, Y);
  return p[0] | (p[1] << 8) | (p[2] << 16);
}

void TEffectPixels::SetPixel(int32_t X, int32_t Y, int32_t Color) {
  uint8_t* p = PixelAt(X, Y);
  p[0] = static_cast<uint8_t>(Color);
  p[1] = static_cast<uint8_t>(Color >> 8);
  p[2] = static_cast<uint8_t>(Color >> 16);
}

void TEffectPixels::GetLine(int32_t Y, uint8_t* Buffer) const {
  std::memcpy(Buffer, GetScanLine(Y), static_cast<size_t>(FWidth) * BytesPerPixel);
}

void TEffectPixels::SetLine(int32_t Y, const uint8_t* Buffer) {
  std::memcpy(GetScanLine(Y), Buffer, static_cast<size_t>(FWidth) * BytesPerPixel);
}

// Morphs

void TEffectPixels::Morph(const TEffectPixels& Other, double Kf) {
  if (!SameSize(Other)) return;
  const double k = ClampedFactor(Kf);
  const int32_t bytes = FWidth * BytesPerPixel;
  for (int32_t y = 0; y < FHeight; ++y) {
    uint8_t* row = GetScanLine(y);
    const uint8_t* other = Other.GetScanLine(y);
    for (int32_t i = 0; i < bytes; ++i) row[i] = CrossFade(row[i], other[i], k);
  }
}

void TEffectPixels::MorphGrad(const TEffectPixels& Other, double Kf) {
  if (FWidth >= FHeight)
    MorphHGrad(Other, Kf);
  else
    MorphVGrad(Other, Kf);
}

void TEffectPixels::MorphHGrad(const TEffectPixels& Other, double Kf) {
  if (!SameSize(Other)) return;
  const TCentreBand band = CentreBand(FWidth, Kf);
  for (int32_t y = 0; y < FHeight; ++y) {
    uint8_t* row = GetScanLine(y);
    const uint8_t* other = Other.GetScanLine(y);
    std::memcpy(row + band.Lo * BytesPerPixel, other + band.Lo * BytesPerPixel,
                static_cast<size_t>(band.Hi - band.Lo + 1) * BytesPerPixel);
    BlendRun(row, other, band.Lo, 0, band.Step);
    BlendRun(row, other, band.Hi, FWidth - 1, band.Step);
  }
}

void TEffectPixels::MorphVGrad(const TEffectPixels& Other, double Kf) {
  if (!SameSize(Other)) return;
  const TCentreBand band = CentreBand(FHeight, Kf);
  const size_t bytes = static_cast<size_t>(FWidth) * BytesPerPixel;
  for (int32_t y = band.Lo; y <= band.Hi; ++y) std::memcpy(GetScanLine(y), Other.GetScanLine(y), bytes);
  // Each row takes one k; it grows row by row away from the band.
  const auto blendRows = [&](int32_t from, int32_t to) {
    const int32_t direction = to >= from ? 1 : -1;
    double k = 0;
    for (int32_t y = from;; y += direction) {
      uint8_t* row = GetScanLine(y);
      const uint8_t* other = Other.GetScanLine(y);
      for (size_t i = 0; i < bytes; ++i) row[i] = GradientBlend(row[i], other[i], k);
      k = std::min(k + band.Step, 1.0);
      if (y == to) break;
    }
  };
  blendRows(band.Lo, 0);
  blendRows(band.Hi, FHeight - 1);
}

void TEffectPixels::MorphLeftGrad(const TEffectPixels& Other, double Kf) {
  if (!SameSize(Other)) return;
  // N is 0 only for a one-pixel row: its one column shows Other.
  const int32_t n = BandLength(FWidth, Kf, 1);
  const double step = n > 0 ? 1.0 / n : 1.0;
  for (int32_t y = 0; y < FHeight; ++y) BlendRun(GetScanLine(y), Other.GetScanLine(y), 0, n, step);
}

void TEffectPixels::MorphRightGrad(const TEffectPixels& Other, double Kf) {
  if (!SameSize(Other)) return;
  const int32_t p = std::clamp(FWidth - RoundHalfEven(FWidth * ClampedFactor(Kf)), 0, FWidth - 1);
  const double step = 1.0 / (FWidth - p);
  for (int32_t y = 0; y < FHeight; ++y) BlendRun(GetScanLine(y), Other.GetScanLine(y), FWidth - 1, p, step);
}

void TEffectPixels::MorphLeftSlide(const TEffectPixels& Other, double Kf) {
  if (!SameSize(Other)) return;
  const int32_t n = BandLength(FWidth, Kf, 1);
  if (n < 1) return;
  for (int32_t y = 0; y < FHeight; ++y)
    std::memcpy(GetScanLine(y), Other.GetScanLine(y) + (FWidth - n) * BytesPerPixel,
                static_cast<size_t>(n) * BytesPerPixel);
}

void TEffectPixels::MorphRightSlide(const TEffectPixels& Other, double Kf) {
  if (!SameSize(Other)) return;
  const int32_t n = BandLength(FWidth, Kf, 1);
  if (n < 1) return;
  for (int32_t y = 0; y < FHeight; ++y)
    std::memcpy(GetScanLine(y) + (FWidth - n) * BytesPerPixel, Other.GetScanLine(y),
                static_cast<size_t>(n) * BytesPerPixel);
}

void TEffectPixels::MorphPush(const TEffectPixels& Other, double Kf) {
  if (!SameSize(Other)) return;
  const int32_t s = BandLength(FWidth, Kf, 0);
  for (int32_t y = 0; y < FHeight; ++y) {
    uint8_t* row = GetScanLine(y);
    const uint8_t* other = Other.GetScanLine(y);
    // This image moves right (from the right end, so every pixel is read before it is
    // overwritten), then Other's right end fills the columns it left.
    for (int32_t x = FWidth - 1; x >= s; --x) CopyPixel(row, x, row, std::max(0, x - s - 1));
    for (int32_t x = 0; x <= s; ++x) CopyPixel(row, x, other, Within(int64_t{FWidth} - s - 1 + x, FWidth));
  }
}

void TEffectPixels::MorphRect(const TEffectPixels& Other, const TRect& R, double Kf, int32_t X, int32_t Y) {
  if (Other.FWidth < 1 || FWidth < 1) return;
  const double k = ClampedFactor(Kf);
  const TRect area = IntersectRect(R, TRect{0, 0, FWidth, FHeight});
  for (int32_t r = area.Top; r < area.Bottom; ++r) {
    uint8_t* row = GetScanLine(r);
    const uint8_t* other = Other.GetScanLine(Within(int64_t{Y} + r - R.Top, Other.FHeight));
    for (int32_t c = area.Left; c < area.Right; ++c) {
      uint8_t* p = row + c * BytesPerPixel;
      const uint8_t* o = other + Within(int64_t{X} + c - R.Left, Other.FWidth) * BytesPerPixel;
      for (int i = 0; i < BytesPerPixel; ++i) p[i] = CrossFade(p[i], o[i], k);
    }
  }
}

// Effects

namespace {

template <class Change>
void ForEachChannel(TEffectPixels& Pixels, Change change) {
  const int32_t bytes = Pixels.Width() * BytesPerPixel;
  for (int32_t y = 0; y < Pixels.Height(); ++y) {
    uint8_t* row = Pixels.GetScanLine(y);
    for (int32_t i = 0; i < bytes; ++i) row[i] = change(row[i]);
  }
}

}  // namespace

void TEffectPixels::ChangeBrightness(double Kf) {
  const double k = ClampedFactor(Kf);
  ForEachChannel(*this, [k](uint8_t c) { return ClampChannel(RoundHalfEven((1 - k) * c + 255 * k)); });
}

void TEffectPixels::ChangeDarkness(double Kf) {
  const double k = ClampedFactor(Kf);
  ForEachChannel(*this, [k](uint8_t c) { return ClampChannel(RoundHalfEven((1 - k) * c)); });
}

void TEffectPixels::Invert() {
  ForEachChannel(*this, [](uint8_t c) { return static_cast<uint8_t>(255 - c); });
}

void TEffectPixels::GrayScale() {
  for (int32_t y = 0; y < FHeight; ++y) {
    uint8_t* p = GetScanLine(y);
    for (int32_t x = 0; x < FWidth; ++x, p += BytesPerPixel) {
      const uint8_t gray = ClampChannel(RoundHalfEven(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]));
      p[0] = p[1] = p[2] = gray;
    }
  }
}

void TEffectPixels::AddMonoNoise(int32_t Amount) {
  if (Amount < 1) return;
  std::uniform_int_distribution<int32_t> random(0, Amount - 1);
  for (int32_t y = 0; y < FHeight; ++y) {
    uint8_t* p = GetScanLine(y);
    for (int32_t x = 0; x < FWidth; ++x, p += BytesPerPixel) {
      const int n = random(NoiseGenerator()) - Amount / 2;
      int r = p[2] + n, g = p[1] + n, b = p[0] + n;
      ClampRGB(r, g, b);
      p[0] = static_cast<uint8_t>(b);
      p[1] = static_cast<uint8_t>(g);
      p[2] = static_cast<uint8_t>(r);
    }
  }
}

void TEffectPixels::SplitBlur(int32_t Amount) {
  if (Amount == 0) return;
  // The row (column) Amount before, or the current one at the start; the one Amount
  // after, or Count - Index near the end; both kept inside the bitmap.
  const auto before = [Amount](int32_t index, int32_t count) {
    const int64_t i = int64_t{index} - Amount;
    return Within(i < 0 ? index : i, count);
  };
  const auto after = [Amount](int32_t index, int32_t count) {
    const int64_t i = int64_t{index} + Amount;
    return Within(i >= count ? int64_t{count} - index : i, count);
  };
  // Rows above and pixels to the left are read as this pass has already changed them.
  for (int32_t y = 0; y < FHeight; ++y) {
    const uint8_t* upper = GetScanLine(before(y, FHeight));
    const uint8_t* lower = GetScanLine(after(y, FHeight));
    uint8_t* row = GetScanLine(y);
    for (int32_t x = 0; x < FWidth; ++x) {
      const int32_t left = before(x, FWidth) * BytesPerPixel;
      const int32_t right = after(x, FWidth) * BytesPerPixel;
      uint8_t blurred[BytesPerPixel];
      for (int i = 0; i < BytesPerPixel; ++i)
        blurred[i] = static_cast<uint8_t>(
            (upper[left + i] + lower[left + i] + upper[right + i] + lower[right + i]) / 4);
      std::memcpy(row + x * BytesPerPixel, blurred, BytesPerPixel);
    }
  }
}

// Copies

void TEffectPixels::RotateLeftTo(TEffectPixels& Dest) const {
  if (FHeight < 1 || Dest.FWidth != FHeight || Dest.FHeight != FWidth) return;
  for (int32_t y = 0; y < FHeight; ++y) {
    const uint8_t* row = GetScanLine(y);
    for (int32_t x = 0; x < FWidth; ++x) CopyPixel(Dest.GetScanLine(FWidth - 1 - x), y, row, x);
  }
}

void TEffectPixels::RotateRightTo(TEffectPixels& Dest) const {
  if (FHeight < 1 || Dest.FWidth != FHeight || Dest.FHeight != FWidth) return;
  for (int32_t y = 0; y < FHeight; ++y) {
    const uint8_t* row = GetScanLine(y);
    for (int32_t x = 0; x < FWidth; ++x) CopyPixel(Dest.GetScanLine(x), FHeight - 1 - y, row, x);
  }
}

void TEffectPixels::FlipVertTo(TEffectPixels& Dest) const {
  if (FHeight < 1 || !SameSize(Dest)) return;
  for (int32_t y = 0; y < FHeight; ++y) Dest.SetLine(FHeight - 1 - y, GetScanLine(y));
}
