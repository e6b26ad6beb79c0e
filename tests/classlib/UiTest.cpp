#include "UiTest.h"

#include "classlib/Graphics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

bool PumpUntil(const std::function<bool()>& Condition, int TimeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    Application->ProcessMessages();
    if (Condition()) return true;
    if (static_cast<int>(GetTickCount() - start) > TimeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

void PumpFor(int Ms) {
  const DWORD start = GetTickCount();
  PumpUntil([&] { return static_cast<int>(GetTickCount() - start) >= Ms; }, Ms + 1000);
}

void PostMouse(TControl* Control, UINT Msg, int X, int Y, WPARAM Keys) {
  TWinControl* window = dynamic_cast<TWinControl*>(Control);
  int x = X;
  int y = Y;
  if (window == nullptr) {
    window = Control->Parent();
    x += Control->Left();
    y += Control->Top();
  }
  const TPoint screen = window->ClientToScreen({x, y});
  SetCursorPos(screen.X, screen.Y);
  PostMessageA(window->Handle(), Msg, Keys, MAKELPARAM(x, y));
}

void PressKey(uint16_t Key, TShiftState Shift) {
  BYTE saved[256];
  GetKeyboardState(saved);
  BYTE held[256];
  std::copy(std::begin(saved), std::end(saved), std::begin(held));
  auto hold = [&](bool down, std::initializer_list<int> keys) {
    for (int key : keys) held[key] = down ? 0x80 : 0;
  };
  hold(Shift.Contains(ssShift), {VK_SHIFT, VK_LSHIFT});
  hold(Shift.Contains(ssCtrl), {VK_CONTROL, VK_LCONTROL});
  hold(Shift.Contains(ssAlt), {VK_MENU, VK_LMENU});
  SetKeyboardState(held);
  const bool alt = Shift.Contains(ssAlt);
  const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyA(Key, MAPVK_VK_TO_VSC) << 16) | (alt ? 0x20000000 : 0);
  const LPARAM up = down | static_cast<LPARAM>(0xC0000000);
  HWND focus = GetFocus();
  PostMessageA(focus, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, Key, down);
  PostMessageA(focus, alt ? WM_SYSKEYUP : WM_KEYUP, Key, up);
  Application->ProcessMessages();
  SetKeyboardState(saved);
}

void PostChar(char Char) {
  PostMessageA(GetFocus(), WM_CHAR, static_cast<uint8_t>(Char), 1);
  Application->ProcessMessages();
}

void ParkPointer() { SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1); }

TPixelDC::TPixelDC(int Width, int Height)
    : FWidth(Width), FBitmap(CreateSection(Width, Height, FBits)), FSelected(FDC.DC(), FBitmap.get()) {}

HBITMAP TPixelDC::CreateSection(int Width, int Height, uint32_t*& Bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = Width;
  info.bmiHeader.biHeight = -Height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  Bits = static_cast<uint32_t*>(bits);
  return section;
}

TColor TPixelDC::Pixel(int X, int Y) const {
  GdiFlush();
  const uint32_t bgr = FBits[Y * FWidth + X];  // 0x00RRGGBB in memory order B, G, R
  return RGBColor(static_cast<uint8_t>(bgr >> 16), static_cast<uint8_t>(bgr >> 8), static_cast<uint8_t>(bgr));
}

void TPixelDC::Fill(TColor Color) {
  const TGdiObject<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(Color))));
  RECT r{0, 0, 10000, 10000};
  FillRect(FDC.DC(), &r, brush.get());
}

TColor SysColor(TColor SystemColor) { return static_cast<TColor>(GetSysColor(SystemColor & 0xFF)); }

TReportedErrors::TReportedErrors() : FSaved(Application->ExceptionPresenter) {
  Application->ExceptionPresenter = Event(this, &TReportedErrors::Report);
}

TReportedErrors::~TReportedErrors() { Application->ExceptionPresenter = FSaved; }

void TReportedErrors::Report(const std::string&, const std::string& Message) { FMessages.push_back(Message); }
