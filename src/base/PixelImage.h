#pragma once
// TPixelImage: a top-down pixel buffer in Windows DIB layout. Each row holds Width
// pixels of 3 (B, G, R) or 4 (B, G, R, A) bytes and is padded to a multiple of 4 bytes,
// so the whole buffer can be copied into or out of a 24- or 32-bit DIB section.
// Copies share their pixels until one of them is written to: copying an image costs no
// pixels, and each copy still changes alone.

#include "Colors.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class TPixelImage {
public:
  // Limits that keep an image read from a file within sane memory.
  static constexpr int32_t MaxDimension = 32768;
  static constexpr int64_t MaxPixels = int64_t{1} << 25;

  TPixelImage() = default;
  // A zero-filled (black) image; BitsPerPixel is 24 or 32. Raises EInvalidGraphic for
  // a negative or too large size.
  TPixelImage(int32_t Width, int32_t Height, int BitsPerPixel = 24);

  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  int BitsPerPixel() const { return FBitsPerPixel; }
  int BytesPerPixel() const { return FBitsPerPixel / 8; }
  int32_t Stride() const { return StrideFor(FWidth, FBitsPerPixel); }
  bool Empty() const { return FWidth == 0 || FHeight == 0; }

  // Row y, 0 = top; raises ERangeError outside the image.
  uint8_t* ScanLine(int32_t y);
  const uint8_t* ScanLine(int32_t y) const;
  // A pointer to write through is good until the image is next copied.
  uint8_t* Bits() { return WritableBits(); }
  const uint8_t* Bits() const { return FBits != nullptr ? FBits->data() : nullptr; }
  size_t ByteSize() const { return FBits != nullptr ? FBits->size() : 0; }

  // The colour at (x, y) as 0x00BBGGRR; raises ERangeError outside the image.
  TColor Pixel(int32_t x, int32_t y) const;
  // Sets blue, green and red; the alpha byte of a 32-bit image is left as it is.
  void SetPixel(int32_t x, int32_t y, TColor Color);

  // Bytes per row of a DIB with that width and depth (a multiple of 4).
  static int32_t StrideFor(int32_t Width, int BitsPerPixel);

private:
  size_t Offset(int32_t x, int32_t y) const;
  // The pixels, made this image's own first when a copy shares them.
  uint8_t* WritableBits();

  int32_t FWidth = 0;
  int32_t FHeight = 0;
  int FBitsPerPixel = 24;
  std::shared_ptr<std::vector<uint8_t>> FBits;
};
