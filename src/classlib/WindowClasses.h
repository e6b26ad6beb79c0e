#pragma once
// The one window procedure of the library's windows and the registry of their window
// classes, plus hidden helper windows whose messages go to a bound method.

#include "WinControl.h"

#include <string>

// Registers the class Params describes once per class name and class style (a second
// style under the same name gets a suffixed name) and returns the name to create with.
std::string RegisterControlClass(const TCreateParams& Params);
// Creates Control's window; Control is bound to it before the first message arrives.
HWND CreateControlWindow(TWinControl* Control, const TCreateParams& Params);
// The library object of a window of this process, or nullptr.
TWinControl* FindControl(HWND Window);
// The object of Window or, for a system window inside one of the library's (an edit
// inside a combo box), of the nearest parent that has one; nullptr when none has.
TWinControl* FindOwningControl(HWND Window);
// Ends the binding of a window to its object.
void UnbindControlWindow(HWND Window);

// Finds the object of the window and hands it the message (see TWinControl::MainWndProc);
// windows without an object get the default procedure.
LRESULT CALLBACK ControlWindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);

// A hidden window whose messages go to Method; the method answers (or calls
// DefWindowProcA) itself. DeallocateHWnd may be called from inside Method. Without a
// parent it is a top-level window (which alone hears broadcasts); with one it is a child
// of it, made for a fraction of a top-level window's cost, and gone with it.
HWND AllocateHWnd(TWndMethod Method, HWND Parent = nullptr);
void DeallocateHWnd(HWND Window);
