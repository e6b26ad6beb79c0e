#pragma once
// What the skin library's popup windows (menu levels, the open images menu) share: their
// window style, and how one stays whole through its own Show, which may let messages
// through that close it.

#include "classlib/WinControl.h"

// A popup that never takes the activation: WS_POPUP alone, a tool window without a
// parent, CS_SAVEBITS, and the drop shadow from Windows XP on.
void SetSkinPopupParams(TCreateParams& Params);

// Counts a window's Shows on the stack in Depth. A window let go while one runs
// (FreeWhenShown) frees itself when the outermost one ends; nothing of it is touched
// afterwards.
class TspShowScope {
public:
  TspShowScope(TComponent& Window, int& Depth, const bool& FreeWhenShown)
      : FWindow(Window), FDepth(Depth), FFreeWhenShown(FreeWhenShown) {
    ++Depth;
  }
  ~TspShowScope() {
    if (--FDepth == 0 && FFreeWhenShown) FWindow.Free();
  }
  TspShowScope(const TspShowScope&) = delete;
  TspShowScope& operator=(const TspShowScope&) = delete;

private:
  TComponent& FWindow;
  int& FDepth;
  const bool& FFreeWhenShown;
};
