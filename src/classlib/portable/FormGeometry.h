#pragma once
// Window-free rules of top-level forms: the window style a border style and its icons
// give, and where a form goes when it is first shown.

#include "base/Geometry.h"
#include "base/Set.h"

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

// The Win32 window style bits of a form's frame, by value, so that the rules build
// without the system's headers; the class library checks them against the system's.
namespace FrameStyle {
inline constexpr uint32_t Popup = 0x80000000u;
inline constexpr uint32_t Caption = 0x00C00000u;
inline constexpr uint32_t Border = 0x00800000u;
inline constexpr uint32_t SysMenu = 0x00080000u;
inline constexpr uint32_t ThickFrame = 0x00040000u;
inline constexpr uint32_t MinimizeBox = 0x00020000u;
inline constexpr uint32_t MaximizeBox = 0x00010000u;
inline constexpr uint32_t ExDlgModalFrame = 0x00000001u;
inline constexpr uint32_t ExToolWindow = 0x00000080u;
inline constexpr uint32_t ExWindowEdge = 0x00000100u;
inline constexpr uint32_t ExContextHelp = 0x00000400u;
}  // namespace FrameStyle

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
inline constexpr uint32_t FormFrameStyleMask =
    FrameStyle::Popup | FrameStyle::Caption | FrameStyle::ThickFrame | FrameStyle::SysMenu |
    FrameStyle::MinimizeBox | FrameStyle::MaximizeBox | FrameStyle::Border;
inline constexpr uint32_t FormFrameExStyleMask = FrameStyle::ExDlgModalFrame | FrameStyle::ExToolWindow |
                                                 FrameStyle::ExContextHelp | FrameStyle::ExWindowEdge;

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
