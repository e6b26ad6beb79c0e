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

TPoint RealCursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return {p.x, p.y};
}

void RealSetCursorPos(TPoint position) { ::SetCursorPos(position.X, position.Y); }

bool RealNotifyIcon(DWORD message, NOTIFYICONDATAA* data) { return Shell_NotifyIconA(message, data) != FALSE; }

HINSTANCE RealShellExecute(HWND owner, const char* operation, const char* file, const char* parameters,
                           const char* directory, INT showCommand) {
  return ShellExecuteA(owner, operation, file, parameters, directory, showCommand);
}

}  // namespace

namespace Seams {

DWORD (*TickCount)() = RealTickCount;
TRect (*WorkArea)() = RealWorkArea;
DWORD (*WindowsVersion)() = RealWindowsVersion;
void (*Beep)(UINT) = RealBeep;
TPoint (*CursorPos)() = RealCursorPos;
void (*SetCursorPos)(TPoint) = RealSetCursorPos;
bool (*NotifyIcon)(DWORD, NOTIFYICONDATAA*) = RealNotifyIcon;
HINSTANCE (*ShellExecute)(HWND, const char*, const char*, const char*, const char*, INT) = RealShellExecute;

}  // namespace Seams
