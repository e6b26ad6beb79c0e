#pragma once
// Mouse capture for windowed and windowless controls, and the one control under the
// pointer, which hears CM_MOUSEENTER and CM_MOUSELEAVE as the pointer moves.

#include "Control.h"

// The control holding the mouse: the window with the system capture, or the windowless
// child of it that asked for the capture.
TControl* GetCaptureControl();
// Gives the capture to Control (a windowless control's parent holds it for it);
// nullptr releases it. A control freed and waiting to go gets none.
void SetCaptureControl(TControl* Control);

namespace MouseTracking {

// The control under the pointer as last tracked, windowless and disabled ones included.
TControl* MouseControl();
// Re-evaluates the control under the pointer after Window handled a client mouse
// message or WM_MOUSELEAVE. On a change the old control gets CM_MOUSELEAVE and the new
// one CM_MOUSEENTER; while the mouse is captured only the capture control counts.
void MessageHandled(HWND Window, UINT Msg, LPARAM LParam);
// Forgets a control that leaves its parent or is freed.
void ControlRemoved(TControl* Control);

}  // namespace MouseTracking
