#pragma once
// Windows only. What the skin library asks Windows about itself and the screen: a
// parent's background behind a control that draws itself transparently, the version
// tests that switch features on, layered-window transparency, a copy of the screen, and
// the screen and monitor areas. The Windows version and the work area come through the
// class library's seams, so tests can set them.

#include "classlib/Bitmap.h"
#include "classlib/Control.h"

// Paints into Canvas what lies behind Control in its parent: the parent's background
// and face (a form only erases), then the visible windowless siblings below Control
// that overlap it. Windowed siblings and those above Control are not painted. Parent
// and siblings see csPaintCopy in their control state meanwhile. Nothing when Control
// has no parent.
void DrawParentBackground(TControl* Control, TCanvas* Canvas);
// The same for the part R of Control (in Control's coordinates), drawn at (0, 0).
void DrawParentBackgroundRect(TControl* Control, const TRect& R, TCanvas* Canvas);

// The major version (low byte of GetVersion) and the minor one (second byte).
void GetWindowsVersion(int& Major, int& Minor);
bool IsWindowsVistaOrLater();  // 6 and later
bool IsWindowsXPOrLater();     // 5.1, 6 and later: drop shadows of popup windows
bool IsWindows2000OrLater();   // 5.0 to 5.2, 6 and later: layered windows
// Windows NT (GetVersion's top bit clear): wide text is drawn as such.
bool IsNTPlatform();

// Sets a layered window's constant alpha through SetLayeredWindowAttributes, looked up
// in "USER32" at run time; nothing where the system lacks it.
void SetLayeredAlpha(HWND Handle, BYTE Alpha);
// Adds WS_EX_LAYERED to the window's extended style, or takes it away.
void SetLayered(HWND Handle, bool Layered);

// Copies the screen from (X, Y) on into B, at B's size.
void GetScreenImage(int X, int Y, TBitmap* B);

// Two monitors or more, and the monitor functions are there.
bool IsMultiMonitor();
// The primary work area (WorkArea) or (0, 0, screen width, screen height).
void GetScreenArea(bool WorkArea, TRect& R);
// The work area or the whole area of the monitor nearest to the window; with one
// monitor the screen's. R stays as it was when the system cannot say.
void GetMonitorArea(HWND Handle, bool WorkArea, TRect& R);
