#pragma once
// Windows only. TDibSection: the one owner of a 24-bit top-down DIB section, the pixel
// store of effect bitmaps and of mask scans (TFBitmap). Rows are Width * 3 + Width mod 4
// bytes, pixels blue, green, red.

#include "base/win32/WinApi.h"

#include <cstdint>

class TDibSection {
public:
  // No section.
  TDibSection() = default;
  // A black section of that size (none for a size below 1). Raises EOutOfResources when
  // the system refuses it.
  TDibSection(int32_t Width, int32_t Height);
  // A copy of Bitmap's size and pixels in 24 bits. The pixels are read with GetDIBits
  // through the screen DC; Bitmap is never selected into a DC of its own (Wine refuses
  // a bitmap that another DC holds). A handle that is not a bitmap gives no section.
  explicit TDibSection(HBITMAP Bitmap);
  ~TDibSection();
  TDibSection(TDibSection&& Other) noexcept;
  TDibSection& operator=(TDibSection&& Other) noexcept;
  TDibSection(const TDibSection&) = delete;
  TDibSection& operator=(const TDibSection&) = delete;

  HBITMAP Handle() const { return FHandle; }
  uint8_t* Bits() const { return FBits; }
  int32_t Width() const { return FWidth; }
  int32_t Height() const { return FHeight; }
  // biSize 40, biWidth = Width, biHeight = -Height (top-down), one plane, 24 bits, BI_RGB.
  const BITMAPINFOHEADER& Header() const { return FInfo.bmiHeader; }
  const BITMAPINFO& Info() const { return FInfo; }

private:
  void Release();

  HBITMAP FHandle = nullptr;
  uint8_t* FBits = nullptr;
  int32_t FWidth = 0;
  int32_t FHeight = 0;
  BITMAPINFO FInfo{};
};
