#pragma once
// Window-free rules of top-level forms: the window style a border style and its icons
// give, and where a form goes when it is first shown.

#include "base/Geometry.h"
#include "base/Set.h"
#include "base/WinApi.h"

#include <cstdint>

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
// The border of a control: bsNone or bsSingle.
using TBorderStyle = TFormBorderStyle;
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;

enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};

struct TWindowStyle {
  uint32_t Style = 0;
  uint32_t ExStyle = 0;
};

// The style bits a top-level form's frame takes from its border style and icons. Only
// single and sizeable borders carry minimize and maximize boxes; the help button needs a
// frame without them.
TWindowStyle FormWindowStyle(TFormBorderStyle BorderStyle, TBorderIcons BorderIcons);
// The style and extended style bits FormWindowStyle decides; the others are left alone
// when the icons change on a live window.
inline constexpr uint32_t FormFrameStyleMask = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU |
                                               WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_BORDER;
inline constexpr uint32_t FormFrameExStyleMask =
    WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW | WS_EX_CONTEXTHELP | WS_EX_WINDOWEDGE;

// What a form is placed relative to when it is first shown.
struct TPlacementContext {
  TRect WorkArea;      // of the screen, where centring and clamping happen
  TRect Desktop;       // the whole virtual screen
  const TRect* MainForm = nullptr;   // the application's main form, when it is another form
  const TRect* OwnerForm = nullptr;  // the form's owner, when that is a form
};

// The bounds a form with bounds Current gets for Position. Centred forms stay inside the
// work area when they fit and keep their top-left corner in it when they do not.
TRect PlaceForm(TPosition Position, const TRect& Current, const TPlacementContext& Context);
