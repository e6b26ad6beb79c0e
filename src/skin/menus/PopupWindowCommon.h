#pragma once
// What the skin library's popup windows (menu levels, the open images menu) share: their
// window style, their shape from the skin's popup-window mask, and how one stays whole
// through its own Show, which may let messages through that close it.

#include "skin/menus/portable/MenuLevelLayout.h"

#include "classlib/Bitmap.h"
#include "classlib/WinControl.h"

// A popup that never takes the activation: WS_POPUP alone, a tool window without a
// parent, CS_SAVEBITS, and the drop shadow from Windows XP on.
void SetSkinPopupParams(TCreateParams& Params);

// Shapes Window (of Size) by Mask, the popup-window entry Skin's cut moved to the level's
// geometry G. Without a skin or a mask, or with a mask that gives no region at this size,
// the window is whole: a region it had for another size is taken away.
void SetPopupLevelRegion(HWND Window, const TspDataSkinPopupWindow* Skin, const TspLevelGeometry& G, TBitmap* Mask,
                         TSize Size);

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
