#include "EffectBmp.h"

#include <utility>

TspEffectBmp::TspEffectBmp(TDibSection Section) : FSection(std::move(Section)) {
  Attach(FSection.Bits(), FSection.Width(), FSection.Height());
}

std::unique_ptr<TspEffectBmp> TspEffectBmp::CreateSize(int32_t AWidth, int32_t AHeight) {
  return std::unique_ptr<TspEffectBmp>(new TspEffectBmp(TDibSection(AWidth, AHeight)));
}

std::unique_ptr<TspEffectBmp> TspEffectBmp::CreateFromHBitmap(HBITMAP ABitmap) {
  return std::unique_ptr<TspEffectBmp>(new TspEffectBmp(TDibSection(ABitmap)));
}

void TspEffectBmp::Draw(HDC DC, int X, int Y) const {
  if (Bits() == nullptr) return;
  GdiFlush();
  SetDIBitsToDevice(DC, X, Y, static_cast<DWORD>(Width()), static_cast<DWORD>(Height()), 0, 0, 0,
                    static_cast<UINT>(Height()), Bits(), &Info(), DIB_RGB_COLORS);
}
