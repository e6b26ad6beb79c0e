#include "PixelImage.h"

#include "Exceptions.h"

TPixelImage::TPixelImage(int32_t Width, int32_t Height, int BitsPerPixel)
    : FWidth(Width), FHeight(Height), FBitsPerPixel(BitsPerPixel) {
  if (BitsPerPixel != 24 && BitsPerPixel != 32)
    throw EInvalidGraphic("Unsupported pixel depth " + std::to_string(BitsPerPixel));
  if (Width < 0 || Height < 0 || Width > MaxDimension || Height > MaxDimension ||
      int64_t{Width} * Height > MaxPixels)
    throw EInvalidGraphic("Invalid image size " + std::to_string(Width) + "x" +
                          std::to_string(Height));
  FBits = std::make_shared<std::vector<uint8_t>>(static_cast<size_t>(Stride()) * static_cast<size_t>(Height), 0);
}

uint8_t* TPixelImage::WritableBits() {
  if (FBits == nullptr) return nullptr;
  if (FBits.use_count() > 1) FBits = std::make_shared<std::vector<uint8_t>>(*FBits);
  return FBits->data();
}

int32_t TPixelImage::StrideFor(int32_t Width, int BitsPerPixel) {
  return static_cast<int32_t>((int64_t{Width} * BitsPerPixel + 31) / 32 * 4);
}

uint8_t* TPixelImage::ScanLine(int32_t y) {
  CheckRange(y, FHeight);
  return WritableBits() + static_cast<size_t>(y) * Stride();
}

const uint8_t* TPixelImage::ScanLine(int32_t y) const {
  CheckRange(y, FHeight);
  return Bits() + static_cast<size_t>(y) * Stride();
}

size_t TPixelImage::Offset(int32_t x, int32_t y) const {
  CheckRange(x, FWidth);
  CheckRange(y, FHeight);
  return static_cast<size_t>(y) * Stride() + static_cast<size_t>(x) * BytesPerPixel();
}

TColor TPixelImage::Pixel(int32_t x, int32_t y) const {
  const uint8_t* p = Bits() + Offset(x, y);
  return RGBColor(p[2], p[1], p[0]);
}

void TPixelImage::SetPixel(int32_t x, int32_t y, TColor Color) {
  uint8_t* p = WritableBits() + Offset(x, y);
  p[0] = BlueOf(Color);
  p[1] = GreenOf(Color);
  p[2] = RedOf(Color);
}
