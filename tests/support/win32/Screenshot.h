#pragma once
// Screenshots of test windows, for a person to look at: a window as it shows on the
// screen, saved as build/screenshots/<Name>.png beside the build trees.

#include "TestControls.h"

#include "base/PixelImage.h"
#include "base/win32/WinApi.h"

#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <string>

// Window as it shows on the screen, frame included (the part inside the screen): it is
// brought to the top without activation and everything in it paints first. Empty when
// the window is not shown.
TPixelImage CaptureWindow(HWND Window);
// Window as it shows now, nothing repainted first: what a stale paint left stays in it.
// Empty when the window is not shown.
TPixelImage WindowPixelsAsShown(HWND Window);
// Captures Window and saves the picture. Fails, saving nothing, when the window is not
// on screen or the picture is one flat colour (nothing was drawn).
::testing::AssertionResult TryWindowScreenshot(HWND Window, const std::string& Name);
// The same, as a test's non-fatal failure.
void SaveWindowScreenshot(HWND Window, const std::string& Name);
// What the screen shows over Window's rectangle (the part inside the screen), the window
// brought to the top without activation and everything in it painted and put on the
// screen first: the screen's own pixels (Wine reads them from the root window), where a
// part that the window's region cuts away shows what lies below. Empty when the window is
// not shown.
TPixelImage ScreenPictureOf(HWND Window);
// Saves ScreenPictureOf(Window) as SaveWindowScreenshot saves the window's own picture.
void SaveScreenPictureOf(HWND Window, const std::string& Name);
// What the screen shows over Window's rectangle now (the part inside the screen), nothing
// raised or repainted first: what a stale paint left stays in it. Empty when the window is
// not shown.
TPixelImage ScreenPixelsAsShown(HWND Window);
void SaveScreenPixelsAsShown(HWND Window, const std::string& Name);

// A borderless window of one colour over Area, below every other window, that never takes
// the activation: the screen shows it only where no window of the test lies over it.
class TScreenBackdrop {
public:
  TScreenBackdrop(const TRect& Area, TColor Colour);
  // How many of the pixels of Window's rectangle that Counted picks (in window
  // coordinates) the screen shows in the backdrop's colour, not as the window: cut away
  // by the window's region. -1 when the window is not wholly on the screen.
  int ShowingThrough(HWND Window, const std::function<bool(int32_t X, int32_t Y)>& Counted) const;

private:
  TOwned<TForm> FForm;
  TColor FColour;
};

// Whether a window's shape may cut pixel (X, Y), in window coordinates, away.
using TMayCut = std::function<bool(int32_t X, int32_t Y)>;
// How Window fails to show whole over Behind: a region that does not cover the window's
// size, or pixels that MayCut keeps where the screen shows the backdrop instead of the
// window. Empty when it shows whole.
std::string ShapeFault(HWND Window, const TScreenBackdrop& Behind, const TMayCut& MayCut);
// Windows that show together (a window and the menus it opened) in one picture of the
// screen area they span, each captured as CaptureWindow does and put where it lies, later
// ones over earlier ones; black where none of them is. Saved as SaveWindowScreenshot
// saves one window.
TPixelImage CaptureWindows(std::span<const HWND> Windows);
void SaveWindowsScreenshot(std::span<const HWND> Windows, const std::string& Name);
// Where the screenshots go, with a trailing "\".
std::string ScreenshotFolder();
