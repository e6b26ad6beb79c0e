#pragma once
// TEffectPixels: the pixel work of effect bitmaps on rows of 24-bit pixels in Windows DIB
// layout: top-down, blue, green, red, each row padded to a multiple of 4 bytes
// (Width * 3 + Width mod 4 bytes). The pixels belong to whoever made them; the Windows
// effect bitmap (TspEffectBmp) is a DIB section that does this work on its own memory.
//
// Every blend rounds to nearest with halves to even and clamps each channel to 0..255.
// Morph factors run from 0 (this image) to 1 (the other image); a factor outside that
// range counts as the nearer end. No routine reads or writes outside its bitmaps.

#include "SkinTypes.h"

#include <cstdint>

// Each value of 256 or more becomes 255, each negative value 0.
void ClampRGB(int& R, int& G, int& B);

// The morph factor that blends an image over another at an alpha blend value (0 shows
// only the other image, 255 only this one).
constexpr double AlphaMorphKf(uint8_t AlphaBlendValue) { return 1.0 - AlphaBlendValue / 255.0; }

class TEffectPixels {
public:
  // No pixels.
  TEffectPixels() = default;
  // Bits holds Height rows of RowSize(Width) bytes.
  TEffectPixels(uint8_t* Bits, int32_t Width, int32_t Height);

  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  uint8_t* Bits() const { return FBits; }
  // Bytes of pixel data.
  int32_t Size() const { return RowSize(FWidth) * FHeight; }
  static int32_t RowSize(int32_t Width);

  // The pixel's blue, green and red bytes as the low three bytes, blue lowest (not a
  // TColor). Coordinates outside the bitmap raise ERangeError.
  int32_t GetPixel(int32_t X, int32_t Y) const;
  void SetPixel(int32_t X, int32_t Y, int32_t Color);
  uint8_t* GetScanLine(int32_t Y) const;
  // Copy the Width * 3 pixel bytes of row Y out of or into Buffer.
  void GetLine(int32_t Y, uint8_t* Buffer) const;
  void SetLine(int32_t Y, const uint8_t* Buffer);

  // Morph transitions from this image towards Other; each does nothing when Other's
  // size differs from this bitmap's.
  void Morph(const TEffectPixels& Other, double Kf);  // cross-fade
  void MorphGrad(const TEffectPixels& Other, double Kf);
  void MorphHGrad(const TEffectPixels& Other, double Kf);
  void MorphVGrad(const TEffectPixels& Other, double Kf);
  void MorphLeftGrad(const TEffectPixels& Other, double Kf);
  void MorphRightGrad(const TEffectPixels& Other, double Kf);
  void MorphLeftSlide(const TEffectPixels& Other, double Kf);
  void MorphRightSlide(const TEffectPixels& Other, double Kf);
  void MorphPush(const TEffectPixels& Other, double Kf);
  // Cross-fades the part R of this bitmap with Other's pixels from (X, Y) on. Pixels of
  // R outside this bitmap are left out; reads outside Other take its nearest edge pixel.
  void MorphRect(const TEffectPixels& Other, const TRect& R, double Kf, int32_t X, int32_t Y);

  // Effects in place.
  void ChangeBrightness(double Kf);
  void ChangeDarkness(double Kf);
  void GrayScale();
  void Invert();
  // Adds one random value in -Amount div 2 .. Amount - 1 - Amount div 2 to the three
  // channels of each pixel; nothing for an Amount below 1.
  void AddMonoNoise(int32_t Amount);
  void SplitBlur(int32_t Amount);

  // Copies into Dest, which must be Height x Width (the rotations) or Width x Height
  // (the flip); nothing happens for a Dest of another size.
  void RotateLeftTo(TEffectPixels& Dest) const;   // a quarter turn counter-clockwise
  void RotateRightTo(TEffectPixels& Dest) const;  // clockwise
  void FlipVertTo(TEffectPixels& Dest) const;

protected:
  void Attach(uint8_t* Bits, int32_t Width, int32_t Height);

private:
  bool SameSize(const TEffectPixels& Other) const;
  uint8_t* PixelAt(int32_t X, int32_t Y) const;

  uint8_t* FBits = nullptr;
  int32_t FWidth = 0;
  int32_t FHeight = 0;
};
