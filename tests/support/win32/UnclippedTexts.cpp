#include "UnclippedTexts.h"

#include <algorithm>
#include <stdexcept>

namespace {

using TDrawTextA = int(WINAPI*)(HDC, LPCSTR, int, LPRECT, UINT);
using TExtTextOutA = BOOL(WINAPI*)(HDC, int, int, UINT, const RECT*, LPCSTR, UINT, const INT*);

// The system's functions, while patched.
TDrawTextA SystemDrawTextA = nullptr;
TExtTextOutA SystemExtTextOutA = nullptr;
std::string LeftOutText;

bool LeftOut(LPCSTR Text, size_t Count) {
  return !LeftOutText.empty() && Text != nullptr && std::string(Text, Count) == LeftOutText;
}

int WINAPI UnclippedDrawTextA(HDC DC, LPCSTR Text, int Count, LPRECT R, UINT Format) {
  if ((Format & DT_CALCRECT) == 0 && R != nullptr &&
      LeftOut(Text, Count < 0 ? std::char_traits<char>::length(Text) : static_cast<size_t>(Count))) {
    RECT size = *R;  // measured only
    return SystemDrawTextA(DC, Text, Count, &size, Format | DT_CALCRECT);
  }
  return SystemDrawTextA(DC, Text, Count, R, Format | DT_NOCLIP);
}

BOOL WINAPI UnclippedExtTextOutA(HDC DC, int X, int Y, UINT Options, const RECT* R, LPCSTR Text, UINT Count,
                                 const INT* Dx) {
  if (LeftOut(Text, Count)) return SystemExtTextOutA(DC, X, Y, Options & ~ETO_CLIPPED, R, "", 0, nullptr);
  return SystemExtTextOutA(DC, X, Y, Options & ~ETO_CLIPPED, R, Text, Count, Dx);
}

void* Address(auto Function) { return reinterpret_cast<void*>(Function); }

// Takes the system's functions for the one patch there may be; DrawTextA's address.
void* ClaimSystemFunctions() {
  if (SystemDrawTextA != nullptr) throw std::logic_error("one unclipped text patch at a time");
  SystemDrawTextA = SystemFunction<TDrawTextA>("user32.dll", "DrawTextA");
  SystemExtTextOutA = SystemFunction<TExtTextOutA>("gdi32.dll", "ExtTextOutA");
  return Address(SystemDrawTextA);
}

}  // namespace

TUnclippedTexts::TUnclippedTexts(std::string LeftOut)
    : FDrawText(ClaimSystemFunctions(), Address(&UnclippedDrawTextA)),
      FExtTextOut(Address(SystemExtTextOutA), Address(&UnclippedExtTextOutA)) {
  LeftOutText = std::move(LeftOut);
}

TUnclippedTexts::~TUnclippedTexts() {
  LeftOutText.clear();
  SystemDrawTextA = nullptr;  // the patches go after this, with the members
  SystemExtTextOutA = nullptr;
}

int32_t LastDifferingColumn(const TPixelImage& A, const TPixelImage& B) {
  for (int32_t x = std::min(A.Width(), B.Width()) - 1; x >= 0; --x)
    for (int32_t y = 0; y < std::min(A.Height(), B.Height()); ++y)
      if (A.Pixel(x, y) != B.Pixel(x, y)) return x;
  return -1;
}
