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

// The shell's library is loaded when first needed: most runs never call it, and loading
// it with the program would cost every start.
template <class TFunction>
TFunction ShellFunction(const char* Name) {
  static const HMODULE shell = LoadLibraryA("shell32.dll");
  if (shell == nullptr) return nullptr;
  return reinterpret_cast<TFunction>(reinterpret_cast<void*>(GetProcAddress(shell, Name)));
}

bool RealNotifyIcon(DWORD message, NOTIFYICONDATAA* data) {
  static const auto notifyIcon = ShellFunction<decltype(&Shell_NotifyIconA)>("Shell_NotifyIconA");
  return notifyIcon != nullptr && notifyIcon(message, data) != FALSE;
}

HINSTANCE RealShellExecute(HWND owner, const char* operation, const char* file, const char* parameters,
                           const char* directory, INT showCommand) {
  static const auto shellExecute = ShellFunction<decltype(&ShellExecuteA)>("ShellExecuteA");
  if (shellExecute == nullptr) return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(SE_ERR_DLLNOTFOUND));
  return shellExecute(owner, operation, file, parameters, directory, showCommand);
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
