#pragma once
// Helpers for tests with real windows: pumping the application's message loop until a
// condition holds, posting mouse input through the queue, and reading pixels.

#include "classlib/Application.h"
#include "classlib/Control.h"
#include "classlib/DeviceContexts.h"
#include "classlib/WinControl.h"

#include <functional>

// Runs the application's message handling until Condition holds or TimeoutMs passes;
// returns whether it held.
bool PumpUntil(const std::function<bool()>& Condition, int TimeoutMs = 3000);
// Handles what is queued now and what arrives within Ms.
void PumpFor(int Ms);

// Posts a mouse message for a point in Control's client coordinates to the window that
// would receive it (a windowless control's parent), and moves the real pointer there
// so that the system's own tracking agrees.
void PostMouse(TControl* Control, UINT Msg, int X, int Y, WPARAM Keys = 0);

// Moves the real pointer out of the way of the test windows.
void ParkPointer();

// Presses and releases Key on the window with the focus, through the queue, with Shift
// and Ctrl held as Shift says (with Alt the system key messages go), and handles what
// follows (the characters the loop's translation makes).
void PressKey(uint16_t Key, TShiftState Shift = {});
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
