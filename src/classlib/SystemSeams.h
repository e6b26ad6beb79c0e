#pragma once
// Seams for what a test cannot see or must not do. Each points at the real Win32
// service by default; a test installs its own and puts the old one back.

#include "base/Geometry.h"
#include "base/WinApi.h"

namespace Seams {

// Milliseconds since the system started (GetTickCount).
extern DWORD (*TickCount)();
// The work area of the primary monitor (SPI_GETWORKAREA).
extern TRect (*WorkArea)();
// The system version as GetVersion packs it: major in the low byte, minor in the next.
extern DWORD (*WindowsVersion)();
// Plays a system sound (MessageBeep).
extern void (*Beep)(UINT Type);

}  // namespace Seams
