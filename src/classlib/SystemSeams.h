#pragma once
// Seams for what a test cannot see, must steer or must not do. Each points at the real
// Win32 service by default; a test installs its own and puts the old one back.

#include "base/Geometry.h"
#include "base/win32/WinApi.h"

#include <shellapi.h>
// The seams below carry these names; the ANSI functions are called by their "A" names.
#undef ShellExecute

namespace Seams {

// Milliseconds since the system started (GetTickCount): every fade and time-out reads it.
extern DWORD (*TickCount)();
// The work area of the primary monitor (SPI_GETWORKAREA).
extern TRect (*WorkArea)();
// The system version as GetVersion packs it: major in the low byte, minor in the next.
extern DWORD (*WindowsVersion)();
// Plays a system sound (MessageBeep).
extern void (*Beep)(UINT Type);
// Where the pointer is on the screen (GetCursorPos), and moving it (SetCursorPos).
extern TPoint (*CursorPos)();
extern void (*SetCursorPos)(TPoint Position);
// Adds, changes or removes an icon of the taskbar's notification area
// (Shell_NotifyIconA with NIM_ADD, NIM_MODIFY, NIM_DELETE); whether the shell took it.
extern bool (*NotifyIcon)(DWORD Message, NOTIFYICONDATAA* Data);
// Opens a file or an address with the program registered for it (ShellExecuteA);
// the result is above 32 on success.
extern HINSTANCE (*ShellExecute)(HWND Owner, const char* Operation, const char* File, const char* Parameters,
                                 const char* Directory, INT ShowCommand);

}  // namespace Seams
