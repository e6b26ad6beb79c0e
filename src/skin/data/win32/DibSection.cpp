#include "DibSection.h"

#include "base/Exceptions.h"
#include "classlib/DeviceContexts.h"

#include <cstdlib>
#include <utility>

TDibSection::TDibSection(int32_t Width, int32_t Height) {
  FInfo.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  FInfo.bmiHeader.biWidth = Width;
  FInfo.bmiHeader.biHeight = -Height;
  FInfo.bmiHeader.biPlanes = 1;
  FInfo.bmiHeader.biBitCount = 24;
  FInfo.bmiHeader.biCompression = BI_RGB;
  if (Width < 1 || Height < 1) return;
  void* bits = nullptr;
  FHandle = CreateDIBSection(nullptr, &FInfo, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (FHandle == nullptr) throw EOutOfResources("Out of system resources");
  FBits = static_cast<uint8_t*>(bits);
  FWidth = Width;
  FHeight = Height;
}

TDibSection::TDibSection(HBITMAP Bitmap) {
  BITMAP size{};
  if (Bitmap == nullptr || GetObjectA(Bitmap, sizeof size, &size) != sizeof size) return;
  *this = TDibSection(size.bmWidth, std::abs(size.bmHeight));
  if (FBits == nullptr) return;
  BITMAPINFO info = FInfo;  // GetDIBits may fill in members of the one it is given
  GetDIBits(ScreenCompatibleDC(), Bitmap, 0, static_cast<UINT>(FHeight), FBits, &info, DIB_RGB_COLORS);
}

TDibSection::~TDibSection() { Release(); }

TDibSection::TDibSection(TDibSection&& Other) noexcept { *this = std::move(Other); }

TDibSection& TDibSection::operator=(TDibSection&& Other) noexcept {
  if (this == &Other) return *this;
  Release();
  FHandle = std::exchange(Other.FHandle, nullptr);
  FBits = std::exchange(Other.FBits, nullptr);
  FWidth = std::exchange(Other.FWidth, 0);
  FHeight = std::exchange(Other.FHeight, 0);
  FInfo = Other.FInfo;
  return *this;
}

void TDibSection::Release() {
  if (FHandle != nullptr) DeleteObject(FHandle);
  FHandle = nullptr;
  FBits = nullptr;
}
