#pragma once
// Scoped device contexts: each gives back what it took when the scope ends, also when
// the painting inside raises.

#include "base/WinApi.h"

// A DC of a window's client area (of the screen for nullptr), released at the end.
class TWindowDC {
public:
  explicit TWindowDC(HWND Window) : FWindow(Window), FDC(GetDC(Window)) {}
  ~TWindowDC() {
    if (FDC != nullptr) ReleaseDC(FWindow, FDC);
  }
  TWindowDC(const TWindowDC&) = delete;
  TWindowDC& operator=(const TWindowDC&) = delete;
  HDC DC() const { return FDC; }

private:
  HWND FWindow;
  HDC FDC;
};

// Saves a DC's state (clipping, origin, selections) on entry and restores it at the end.
class TSavedDC {
public:
  explicit TSavedDC(HDC DC) : FDC(DC), FSaved(SaveDC(DC)) {}
  ~TSavedDC() { RestoreDC(FDC, FSaved); }
  TSavedDC(const TSavedDC&) = delete;
  TSavedDC& operator=(const TSavedDC&) = delete;

private:
  HDC FDC;
  int FSaved;
};
