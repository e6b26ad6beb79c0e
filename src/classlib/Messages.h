#pragma once
// The message record objects handle, and the library's private message numbers.

#include "base/Delegate.h"
#include "base/Geometry.h"
#include "base/win32/WinApi.h"

#include <cstdint>

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;

  uint16_t WParamLo() const { return LOWORD(WParam); }
  uint16_t WParamHi() const { return HIWORD(WParam); }
  uint16_t LParamLo() const { return LOWORD(LParam); }
};

// A message handler bound to an object: a control's WindowProc, a hidden window's method.
using TWndMethod = TDelegate<void(TMessage& Message)>;

// The signed point packed into the LParam of a mouse message.
inline TPoint PointFromLParam(LPARAM lParam) {
  return {static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))};
}
inline LPARAM PointToLParam(TPoint p) {
  return MAKELPARAM(static_cast<uint16_t>(p.X), static_cast<uint16_t>(p.Y));
}

// Control messages: notifications between the library's objects. They live in the
// application range, clear of the private numbers the skin library and the system use
// (1225-1294 around WM_USER+201..+260, 0xB1B2, 0xB1C9, 0xBC4A, 0xBC4B).
inline constexpr UINT CM_BASE = 0xA000;
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 2;
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 3;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 4;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 5;
inline constexpr UINT CM_COLORCHANGED = CM_BASE + 6;
inline constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 7;
inline constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 8;
inline constexpr UINT CM_CURSORCHANGED = CM_BASE + 9;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 10;
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 11;
// WParam: the wheel message's WParam; LParam: the screen point. Result 1 = handled.
inline constexpr UINT CM_MOUSEWHEEL = CM_BASE + 12;
// Posted by TCustomForm::Release: the form frees itself once no handler of it runs.
inline constexpr UINT CM_RELEASE = CM_BASE + 14;
// Focus: sent along the chains of the controls losing and gaining it.
inline constexpr UINT CM_ENTER = CM_BASE + 15;
inline constexpr UINT CM_EXIT = CM_BASE + 16;
// Broadcast through a form after its focused control changed; LParam: that control.
inline constexpr UINT CM_FOCUSCHANGED = CM_BASE + 17;
// Keys a form handles for its controls. WParam: the key or character; LParam: the key
// data. A non-zero result consumes the key.
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 18;
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 19;
// Asked before a dialog key goes to the form; a non-zero answer keeps it for the control.
inline constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 20;
// Sent to the form's active control before any button goes down; LParam: the control
// the button went down on.
inline constexpr UINT CM_CANCELMODE = CM_BASE + 21;
inline constexpr UINT CM_SHOWHINTCHANGED = CM_BASE + 22;
inline constexpr UINT CM_PARENTSHOWHINTCHANGED = CM_BASE + 23;
inline constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 24;
inline constexpr UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 25;
// Sent to a parent before a child joins it (LParam TRUE) and before it leaves (FALSE);
// WParam: the child.
inline constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 26;
inline constexpr UINT CM_LAST = CM_BASE + 0xFF;

// Reflected notifications: a parent hands a native child's WM_xxx notification back to
// the child object as CN_BASE + WM_xxx.
inline constexpr UINT CN_BASE = 0xA400;
inline constexpr UINT CN_LAST = CN_BASE + 0x3FF;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
inline constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
inline constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
inline constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
inline constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
inline constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
inline constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
inline constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;

namespace MessageNumbers {

constexpr bool IsReservedBySystem(UINT msg) {
  return (msg >= WM_USER + 201 && msg <= WM_USER + 260) || msg == 1274 || msg == 1284 ||
         msg == 1294 || msg == 0xB1B2 || msg == 0xB1C9 || msg == 0xBC4A || msg == 0xBC4B;
}

constexpr bool RangeIsClear(UINT first, UINT last) {
  for (UINT msg = first; msg <= last; ++msg)
    if (IsReservedBySystem(msg)) return false;
  return first >= WM_APP && last < 0xC000;  // below the registered-message range
}

}  // namespace MessageNumbers

static_assert(MessageNumbers::RangeIsClear(CM_BASE, CM_LAST));
static_assert(MessageNumbers::RangeIsClear(CN_BASE, CN_LAST));
static_assert(CM_LAST < CN_BASE);
static_assert(CN_CTLCOLORSTATIC <= CN_LAST && CN_SYSCHAR <= CN_LAST);
