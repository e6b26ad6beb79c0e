#pragma once
// Scoped device contexts and GDI objects: each gives back what it took when the scope
// ends, also when the painting inside raises. Whether a window awaits a paint.

#include "base/win32/WinApi.h"

#include <memory>
#include <type_traits>

// A DC of a window's client area, or of the whole window with its frame (of the screen
// for nullptr), released at the end.
class TWindowDC {
public:
  enum TArea { ClientArea, WholeWindow };
  explicit TWindowDC(HWND Window, TArea Area = ClientArea)
      : FWindow(Window), FDC(Area == WholeWindow ? GetWindowDC(Window) : GetDC(Window)) {}
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

// A memory DC compatible with a DC (with the screen for nullptr), deleted at the end.
class TMemoryDC {
public:
  explicit TMemoryDC(HDC Compatible) : FDC(CreateCompatibleDC(Compatible)) {}
  ~TMemoryDC() {
    if (FDC != nullptr) DeleteDC(FDC);
  }
  TMemoryDC(const TMemoryDC&) = delete;
  TMemoryDC& operator=(const TMemoryDC&) = delete;
  HDC DC() const { return FDC; }

private:
  HDC FDC;
};

// A memory DC compatible with the screen, made once for the whole program: it serves what
// the screen's own DC would for measuring text or reading a bitmap's bits, without the
// trips to the window server that taking and releasing the screen's DC cost each time.
// Whoever selects into it selects back.
inline HDC ScreenCompatibleDC() {
  static const HDC dc = CreateCompatibleDC(nullptr);
  return dc;
}

// Selects an object into a DC and selects back the one it replaced at the end, so that
// the object can be deleted or selected elsewhere afterwards.
class TSelectedObject {
public:
  TSelectedObject(HDC DC, HGDIOBJ Object) : FDC(DC), FReplaced(SelectObject(DC, Object)) {}
  ~TSelectedObject() {
    if (FReplaced != nullptr) SelectObject(FDC, FReplaced);
  }
  TSelectedObject(const TSelectedObject&) = delete;
  TSelectedObject& operator=(const TSelectedObject&) = delete;

private:
  HDC FDC;
  HGDIOBJ FReplaced;
};

// The one owner of a GDI object (bitmap, brush, pen, region), deleted when it goes.
struct TGdiObjectDeleter {
  void operator()(HGDIOBJ Object) const { DeleteObject(Object); }
};
template <class Handle>
using TGdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, TGdiObjectDeleter>;

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

// Whether part of Window's client area awaits a paint. The update region takes one round
// trip to the window server, where GetUpdateRect takes two: code that draws at once
// outside a paint asks this for every line step.
inline bool AwaitsPaint(HWND Window) {
  const TGdiObject<HRGN> update(CreateRectRgn(0, 0, 0, 0));
  return GetUpdateRgn(Window, update.get(), FALSE) > NULLREGION;
}
