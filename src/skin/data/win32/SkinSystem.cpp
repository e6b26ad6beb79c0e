#include "SkinSystem.h"

#include "classlib/DeviceContexts.h"
#include "classlib/Form.h"
#include "classlib/SystemSeams.h"

namespace {

// The user32.dll functions that older systems lack, looked up once.
struct TUser32Functions {
  using TMonitorFromWindow = HMONITOR(WINAPI*)(HWND, DWORD);
  using TGetMonitorInfo = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);
  using TSetLayeredWindowAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  TMonitorFromWindow MonitorFromWindow = nullptr;
  TGetMonitorInfo GetMonitorInfo = nullptr;
  TSetLayeredWindowAttributes SetLayeredWindowAttributes = nullptr;

  TUser32Functions() {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    if (user32 == nullptr) return;
    Lookup(user32, "MonitorFromWindow", MonitorFromWindow);
    Lookup(user32, "GetMonitorInfoA", GetMonitorInfo);
    Lookup(user32, "SetLayeredWindowAttributes", SetLayeredWindowAttributes);
  }

private:
  template <class TFunction>
  static void Lookup(HMODULE Module, const char* Name, TFunction& Function) {
    Function = reinterpret_cast<TFunction>(reinterpret_cast<void*>(GetProcAddress(Module, Name)));
  }
};

const TUser32Functions& User32() {
  static const TUser32Functions functions;
  return functions;
}

// Puts csPaintCopy into a control's state while it lives (unless it was there).
class TPaintCopyScope {
public:
  explicit TPaintCopyScope(TControl* Control)
      : FControl(Control), FAdded(!Control->ControlState().Contains(csPaintCopy)) {
    if (FAdded) FControl->SetControlState(FControl->ControlState() + TControlState{csPaintCopy});
  }
  ~TPaintCopyScope() {
    if (FAdded) FControl->SetControlState(FControl->ControlState() - TControlState{csPaintCopy});
  }
  TPaintCopyScope(const TPaintCopyScope&) = delete;
  TPaintCopyScope& operator=(const TPaintCopyScope&) = delete;

private:
  TControl* FControl;
  bool FAdded;
};

// Saves a DC's state and gives it back, with its origin moved by (DX, DY) and its clip
// cut to (0, 0, Width, Height) in between.
class TShiftedDC {
public:
  TShiftedDC(HDC DC, int DX, int DY, int Width, int Height) : FSaved(DC) {
    OffsetViewportOrgEx(DC, DX, DY, nullptr);
    IntersectClipRect(DC, 0, 0, Width, Height);
  }

private:
  TSavedDC FSaved;
};

// DrawParentBackground with Control's top-left corner drawn at (-Shift.X, -Shift.Y).
void DrawParentBackgroundShifted(TControl* Control, TPoint Shift, TCanvas* Canvas) {
  if (Control == nullptr || Canvas == nullptr) return;
  TWinControl* parent = Control->Parent();
  if (parent == nullptr) return;
  TPaintCopyScope parentCopy(parent);
  HDC dc = Canvas->Handle();
  const int dx = -Control->Left() - Shift.X, dy = -Control->Top() - Shift.Y;
  {
    TShiftedDC shifted(dc, dx, dy, parent->ClientWidth(), parent->ClientHeight());
    auto* form = dynamic_cast<TCustomForm*>(parent);
    if (form != nullptr && form->FormStyle() == fsMDIForm && form->ClientHandle() != nullptr) {
      // The MDI client window covers an MDI form's client area and draws its background.
      SendMessageA(form->ClientHandle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    } else {
      parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
      if (form == nullptr) parent->PaintWindow(dc);
    }
  }
  const TRect bounds = Control->BoundsRect();
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* sibling = parent->Controls(i);
    if (sibling == Control) break;  // the rest lie above it
    auto* windowless = dynamic_cast<TGraphicControl*>(sibling);
    if (windowless == nullptr || !windowless->Visible()) continue;
    if (IsRectEmpty(IntersectRect(windowless->BoundsRect(), bounds))) continue;
    TPaintCopyScope siblingCopy(windowless);
    TShiftedDC shifted(dc, dx + windowless->Left(), dy + windowless->Top(), windowless->Width(),
                       windowless->Height());
    windowless->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

}  // namespace

void DrawParentBackground(TControl* Control, TCanvas* Canvas) {
  DrawParentBackgroundShifted(Control, TPoint{0, 0}, Canvas);
}

void DrawParentBackgroundRect(TControl* Control, const TRect& R, TCanvas* Canvas) {
  DrawParentBackgroundShifted(Control, R.TopLeft(), Canvas);
}

void GetWindowsVersion(int& Major, int& Minor) {
  const DWORD version = Seams::WindowsVersion();
  Major = static_cast<int>(version & 0xFF);
  Minor = static_cast<int>((version >> 8) & 0xFF);
}

bool IsWindowsVistaOrLater() {
  int major, minor;
  GetWindowsVersion(major, minor);
  return major >= 6;
}

bool IsWindowsXPOrLater() {
  int major, minor;
  GetWindowsVersion(major, minor);
  return major >= 6 || (major == 5 && minor == 1);
}

bool IsWindows2000OrLater() {
  int major, minor;
  GetWindowsVersion(major, minor);
  return major >= 6 || (major == 5 && minor <= 2);
}

bool IsNTPlatform() { return (Seams::WindowsVersion() & 0x80000000u) == 0; }

void SetLayeredAlpha(HWND Handle, BYTE Alpha) {
  if (const auto set = User32().SetLayeredWindowAttributes) set(Handle, 0, Alpha, LWA_ALPHA);
}

void SetLayered(HWND Handle, bool Layered) {
  const LONG style = GetWindowLongA(Handle, GWL_EXSTYLE);
  SetWindowLongA(Handle, GWL_EXSTYLE, Layered ? style | WS_EX_LAYERED : style & ~static_cast<LONG>(WS_EX_LAYERED));
}

void GetScreenImage(int X, int Y, TBitmap* B) {
  if (B == nullptr || B->Empty()) return;
  const TWindowDC screen(nullptr);
  BitBlt(B->Canvas()->Handle(), 0, 0, B->Width(), B->Height(), screen.DC(), X, Y, SRCCOPY);
}

bool IsMultiMonitor() {
  return GetSystemMetrics(SM_CMONITORS) >= 2 && User32().GetMonitorInfo != nullptr;
}

void GetScreenArea(bool WorkArea, TRect& R) {
  R = WorkArea ? Seams::WorkArea()
               : TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void GetMonitorArea(HWND Handle, bool WorkArea, TRect& R) {
  const TUser32Functions& functions = User32();
  if (!IsMultiMonitor() || functions.MonitorFromWindow == nullptr) {
    GetScreenArea(WorkArea, R);
    return;
  }
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!functions.GetMonitorInfo(functions.MonitorFromWindow(Handle, MONITOR_DEFAULTTONEAREST), &info)) return;
  R = FromRECT(WorkArea ? info.rcWork : info.rcMonitor);
}
