#pragma once
// Helpers for tests with real windows: pumping the application's message loop until a
// condition holds or a window shows, input posted through the queue (so that the
// application's OnMessage sees it), actions run from inside whichever loop runs (a modal
// window's too), and reading pixels.

#include "classlib/Application.h"
#include "classlib/Control.h"
#include "classlib/DeviceContexts.h"
#include "classlib/Screen.h"
#include "classlib/WinControl.h"

#include <functional>
#include <set>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// Runs the application's message handling until Condition holds or TimeoutMs passes;
// returns whether it held.
bool PumpUntil(const std::function<bool()>& Condition, int TimeoutMs = 3000);
// Handles what is queued now and what arrives within Ms.
void PumpFor(int Ms);

// Pumps until a visible top-level window of this thread with that caption shows;
// the window, or nullptr after TimeoutMs.
HWND WaitForWindow(const std::string& Caption, int TimeoutMs = 3000);
// Pumps until a visible form of class F shows; the form, or nullptr after TimeoutMs.
template <class F>
F* WaitForForm(int TimeoutMs = 3000) {
  F* found = nullptr;
  PumpUntil(
      [&] {
        for (int i = 0; i < Screen->FormCount() && found == nullptr; ++i) {
          auto* form = dynamic_cast<F*>(Screen->Forms(i));
          if (form != nullptr && form->HandleAllocated() && IsWindowVisible(form->Handle())) found = form;
        }
        return found != nullptr;
      },
      TimeoutMs);
  return found;
}

// Runs Action once, from the next message loop that handles messages: the test's own
// pumping or a modal window's loop (call it before ShowModal to act in the window).
void RunFromLoop(std::function<void()> Action);

// Posts a mouse message for a point in Control's client coordinates to the window that
// would receive it (a windowless control's parent), and moves the pointer there (through
// the cursor seam) so that the system's own tracking agrees.
void PostMouse(TControl* Control, UINT Msg, int X, int Y, WPARAM Keys = 0);
// With the mouse captured every mouse message goes to the capture window, in its client
// coordinates, wherever the pointer is: posts Msg there for the point At of Over's client
// area (moving the pointer there through the seam) and handles it.
void PostCapturedMouse(TControl* Over, UINT Msg, TPoint At, WPARAM Keys = MK_LBUTTON);
// Clicks Control at a point of its client area (its centre by default) with Button: the
// press and the release are posted, then handled.
void PostClick(TControl* Control, TMouseButton Button = mbLeft);
void PostClick(TControl* Control, TPoint At, TMouseButton Button = mbLeft);

// Moves the real pointer out of the way of the test windows.
void ParkPointer();

// Presses and releases Key with Shift and Ctrl held as Shift says (with Alt, and for F10,
// the system key messages go), through the queue, and handles what follows (the characters the
// loop's translation makes): on the window with the focus, or on Control's window
// whether or not it has the focus.
void PressKey(uint16_t Key, TShiftState Shift = {});
void PostKey(TWinControl* Control, uint16_t Key, TShiftState Shift = {});
// The context-menu key on Control's window as the keyboard gives it: its press and release
// through the queue, and the keyboard's WM_CONTEXTMENU (-1, -1) that the system posts
// itself as the key comes up (only for the keyboard's input, not for posted keys).
void PressMenuKey(TWinControl* Control);
// Whether a screen point lies below the caret of Control, the focused edit: at the caret's
// left end, a line (10 to 20 pixels) lower, where a menu opened from the keyboard goes.
bool BelowTheCaret(TWinControl* Control, TPoint At);
// Posts a character to the window with the focus and handles it.
void PostChar(char Char);

// A memory DC over a 32-bit top-down section of the given size, for painting tests.
class TPixelDC {
public:
  TPixelDC(int Width, int Height);
  HDC DC() const { return FDC.DC(); }
  // 0x00BBGGRR, like COLORREF and TColor.
  TColor Pixel(int X, int Y) const;
  void Fill(TColor Color);

private:
  static HBITMAP CreateSection(int Width, int Height, uint32_t*& Bits);

  uint32_t* FBits = nullptr;
  int FWidth;
  TMemoryDC FDC{nullptr};
  TGdiObject<HBITMAP> FBitmap;
  TSelectedObject FSelected;
};

// The RGB of a system colour as the system gives it now.
TColor SysColor(TColor SystemColor);

// Keeps the errors the application reports instead of showing message boxes.
class TReportedErrors {
public:
  TReportedErrors();
  ~TReportedErrors();
  TReportedErrors(const TReportedErrors&) = delete;
  TReportedErrors& operator=(const TReportedErrors&) = delete;
  const std::vector<std::string>& Messages() const { return FMessages; }

private:
  void Report(const std::string& Title, const std::string& Message);
  TApplication::TExceptionPresenter FSaved;
  std::vector<std::string> FMessages;
};

// Points a seam (classlib/SystemSeams.h) at Replacement for the object's lifetime, then
// puts the one before back.
template <class F>
class TSeamOverride {
public:
  TSeamOverride(F*& Seam, std::type_identity_t<F>* Replacement) : FSeam(Seam), FSaved(Seam) { Seam = Replacement; }
  ~TSeamOverride() { FSeam = FSaved; }
  TSeamOverride(const TSeamOverride&) = delete;
  TSeamOverride& operator=(const TSeamOverride&) = delete;

private:
  F*& FSeam;
  F* FSaved;
};

// For its lifetime the pointer is where the cursor seam was last told to put it, and the
// real one stays where it is: the mouse moves a test sees are the posted ones only,
// never the system's own after a moved pointer.
class TPointerStaysPut {
public:
  TPointerStaysPut();
  TPointerStaysPut(const TPointerStaysPut&) = delete;
  TPointerStaysPut& operator=(const TPointerStaysPut&) = delete;

private:
  TSeamOverride<TPoint()> FPos;
  TSeamOverride<void(TPoint)> FSetPos;
};

// Counts the messages of some kinds sent to the thread's windows while it lives (the
// system's own, SetWindowPos's for instance, included), by window.
class TSentMessages {
public:
  explicit TSentMessages(std::set<UINT> Kinds);
  ~TSentMessages();
  TSentMessages(const TSentMessages&) = delete;
  TSentMessages& operator=(const TSentMessages&) = delete;
  // How many of Kind reached Window since the last Clear.
  int Count(HWND Window, UINT Kind) const;
  void Clear() { FSent.clear(); }

private:
  static LRESULT CALLBACK Sent(int Code, WPARAM WParam, LPARAM LParam);
  static inline TSentMessages* Current = nullptr;
  std::set<UINT> FKinds;
  std::vector<std::pair<HWND, UINT>> FSent;
  HHOOK FHook;
};
