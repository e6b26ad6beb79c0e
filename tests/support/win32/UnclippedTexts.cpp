#include "UnclippedTexts.h"

#include <algorithm>
#include <stdexcept>

namespace {

using TDrawTextA = int(WINAPI*)(HDC, LPCSTR, int, LPRECT, UINT);

TDrawTextA SystemDrawTextA = nullptr;  // while patched
std::string LeftOutText;

int WINAPI UnclippedDrawTextA(HDC DC, LPCSTR Text, int Count, LPRECT R, UINT Format) {
  if (!LeftOutText.empty() && (Format & DT_CALCRECT) == 0 && R != nullptr) {
    const std::string drawn = Count < 0 ? std::string(Text) : std::string(Text, static_cast<size_t>(Count));
    if (drawn == LeftOutText) {
      RECT size = *R;
      return SystemDrawTextA(DC, Text, Count, &size, Format | DT_CALCRECT);
    }
  }
  return SystemDrawTextA(DC, Text, Count, R, Format | DT_NOCLIP);
}

void* Claimed() {
  if (SystemDrawTextA != nullptr) throw std::logic_error("one unclipped text patch at a time");
  SystemDrawTextA = SystemFunction<TDrawTextA>("user32.dll", "DrawTextA");
  return reinterpret_cast<void*>(SystemDrawTextA);
}

}  // namespace

TUnclippedTexts::TUnclippedTexts(std::string LeftOut)
    : FPatch(Claimed(), reinterpret_cast<void*>(&UnclippedDrawTextA)) {
  LeftOutText = std::move(LeftOut);
}

TUnclippedTexts::~TUnclippedTexts() {
  LeftOutText.clear();
  SystemDrawTextA = nullptr;  // the patch goes after this, with the member
}

int32_t LastDifferingColumn(const TPixelImage& A, const TPixelImage& B) {
  for (int32_t x = std::min(A.Width(), B.Width()) - 1; x >= 0; --x)
    for (int32_t y = 0; y < std::min(A.Height(), B.Height()); ++y)
      if (A.Pixel(x, y) != B.Pixel(x, y)) return x;
  return -1;
}
