#include "SystemSeams.h"

namespace {

DWORD RealTickCount() { return GetTickCount(); }

TRect RealWorkArea() {
  RECT r{};
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0))
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return {r.left, r.top, r.right, r.bottom};
}

DWORD RealWindowsVersion() { return GetVersion(); }

void RealBeep(UINT type) { MessageBeep(type); }

}  // namespace

namespace Seams {

DWORD (*TickCount)() = RealTickCount;
TRect (*WorkArea)() = RealWorkArea;
DWORD (*WindowsVersion)() = RealWindowsVersion;
void (*Beep)(UINT) = RealBeep;

}  // namespace Seams
