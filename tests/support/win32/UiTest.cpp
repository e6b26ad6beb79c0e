#include "UiTest.h"

#include "classlib/Graphics.h"
#include "classlib/SystemSeams.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>

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

namespace {

struct TWindowSearch {
  const std::string& Caption;
  HWND Found = nullptr;
};

BOOL CALLBACK FindShownWindow(HWND Window, LPARAM Data) {
  auto& search = *reinterpret_cast<TWindowSearch*>(Data);
  char text[256] = {};
  GetWindowTextA(Window, text, sizeof text);
  if (!IsWindowVisible(Window) || search.Caption != text) return TRUE;
  search.Found = Window;
  return FALSE;
}

}  // namespace

HWND WaitForWindow(const std::string& Caption, int TimeoutMs) {
  TWindowSearch search{Caption};
  PumpUntil(
      [&] {
        EnumThreadWindows(GetCurrentThreadId(), FindShownWindow, reinterpret_cast<LPARAM>(&search));
        return search.Found != nullptr;
      },
      TimeoutMs);
  return search.Found;
}

namespace {

// The actions RunFromLoop holds, by the id of their timer.
std::map<UINT_PTR, std::function<void()>> gLoopActions;

void CALLBACK RunLoopAction(HWND, UINT, UINT_PTR Id, DWORD) {
  KillTimer(nullptr, Id);
  auto it = gLoopActions.find(Id);
  if (it == gLoopActions.end()) return;
  const std::function<void()> action = std::move(it->second);
  gLoopActions.erase(it);
  action();
}

}  // namespace

void RunFromLoop(std::function<void()> Action) {
  const UINT_PTR id = SetTimer(nullptr, 0, 0, RunLoopAction);
  ASSERT_NE(id, 0u) << "no timer for the action";
  gLoopActions[id] = std::move(Action);
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
  Seams::SetCursorPos(window->ClientToScreen({x, y}));
  PostMessageA(window->Handle(), Msg, Keys, MAKELPARAM(x, y));
}

void PostCapturedMouse(TControl* Over, UINT Msg, TPoint At, WPARAM Keys) {
  HWND capture = GetCapture();
  ASSERT_NE(capture, nullptr) << "nothing holds the mouse";
  const TPoint screen = Over->ClientToScreen(At);
  Seams::SetCursorPos(screen);
  POINT client{screen.X, screen.Y};
  ScreenToClient(capture, &client);
  PostMessageA(capture, Msg, Keys, MAKELPARAM(client.x, client.y));
  Application->ProcessMessages();
}

namespace {

TPoint gStillPointer;

}  // namespace

TPointerStaysPut::TPointerStaysPut()
    : FPos(Seams::CursorPos, [] { return gStillPointer; }),
      FSetPos(Seams::SetCursorPos, [](TPoint p) { gStillPointer = p; }) {}

void PostClick(TControl* Control, TMouseButton Button) {
  const TRect client = Control->ClientRect();
  PostClick(Control, {client.Width() / 2, client.Height() / 2}, Button);
}

void PostClick(TControl* Control, TPoint At, TMouseButton Button) {
  static constexpr struct {
    UINT Down, Up;
    WPARAM Key;
  } kButtons[] = {{WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON},
                  {WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON},
                  {WM_MBUTTONDOWN, WM_MBUTTONUP, MK_MBUTTON}};
  const auto& button = kButtons[Button];
  PostMouse(Control, button.Down, At.X, At.Y, button.Key);
  PostMouse(Control, button.Up, At.X, At.Y);
  Application->ProcessMessages();
}

namespace {

void PostKeyTo(HWND Window, uint16_t Key, TShiftState Shift) {
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
  // As the system sends them: with Alt, and F10 (the menu bar's key), as system keys.
  const bool system = alt || Key == VK_F10;
  const LPARAM down = 1 | static_cast<LPARAM>(MapVirtualKeyA(Key, MAPVK_VK_TO_VSC) << 16) | (alt ? 0x20000000 : 0);
  const LPARAM up = down | static_cast<LPARAM>(0xC0000000);
  PostMessageA(Window, system ? WM_SYSKEYDOWN : WM_KEYDOWN, Key, down);
  PostMessageA(Window, system ? WM_SYSKEYUP : WM_KEYUP, Key, up);
  Application->ProcessMessages();
  SetKeyboardState(saved);
}

}  // namespace

void PressKey(uint16_t Key, TShiftState Shift) { PostKeyTo(GetFocus(), Key, Shift); }

void PostKey(TWinControl* Control, uint16_t Key, TShiftState Shift) { PostKeyTo(Control->Handle(), Key, Shift); }

bool BelowTheCaret(TWinControl* Control, TPoint At) {
  POINT caret{};
  GetCaretPos(&caret);
  const TPoint top = Control->ClientToScreen({caret.x, caret.y});
  return At.X == top.X && At.Y >= top.Y + 10 && At.Y <= top.Y + 20;
}

void PressMenuKey(TWinControl* Control) {
  HWND window = Control->Handle();
  PostKeyTo(window, VK_APPS, {});
  PostMessageA(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(window), -1);
  Application->ProcessMessages();
}

void PostChar(char Char) {
  PostMessageA(GetFocus(), WM_CHAR, static_cast<uint8_t>(Char), 1);
  Application->ProcessMessages();
}

void ParkPointer() { Seams::SetCursorPos({GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1}); }

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

TSentMessages::TSentMessages(std::set<UINT> Kinds)
    : FKinds(std::move(Kinds)), FHook(SetWindowsHookExA(WH_CALLWNDPROC, Sent, nullptr, GetCurrentThreadId())) {
  Current = this;
}

TSentMessages::~TSentMessages() {
  UnhookWindowsHookEx(FHook);
  Current = nullptr;
}

int TSentMessages::Count(HWND Window, UINT Kind) const {
  return static_cast<int>(std::count(FSent.begin(), FSent.end(), std::make_pair(Window, Kind)));
}

LRESULT CALLBACK TSentMessages::Sent(int Code, WPARAM WParam, LPARAM LParam) {
  const auto* sent = reinterpret_cast<const CWPSTRUCT*>(LParam);
  if (Code == HC_ACTION && Current != nullptr && Current->FKinds.count(sent->message) != 0)
    Current->FSent.emplace_back(sent->hwnd, sent->message);
  return CallNextHookEx(nullptr, Code, WParam, LParam);
}
