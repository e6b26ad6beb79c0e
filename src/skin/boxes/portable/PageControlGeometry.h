#pragma once
// The skinned page control's geometry without windows. The native tab control lays the
// tabs out; these rules correct its rectangles for the skinned page frame, place the
// frame, the tab strip and the active tab's overlap, turn a tab's close button with the
// tab, size the invisible images that reserve room in each tab, and count the tabs the
// strip hides.

#include "base/Geometry.h"

#include "classlib/portable/ControlEnums.h"

#include <cstdint>
#include <span>

// How far the skin's page frame reaches around the page: the entry's client rectangle
// inside its skin rectangle (left, top, and what is left of it on the right and bottom).
struct TspTabMargins {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
};
TspTabMargins TabMargins(const TRect& SkinRect, const TRect& ClRect);

// The pages' display rectangle (TCM_ADJUSTRECT from the client area) as the native
// control answered it, corrected for the skinned frame (Skin: its margins) or for the
// plain one-pixel frame (Skin nullptr), in a client area ClientWidth x ClientHeight.
TRect CorrectDisplayRect(TTabPosition Position, const TspTabMargins* Skin, const TRect& Native,
                         int32_t ClientWidth, int32_t ClientHeight);
// A tab's rectangle (TCM_GETITEMRECT) as the native control answered it, corrected for
// the skinned tabs; only tabs of the tsTabs style are corrected.
TRect CorrectTabRect(TTabPosition Position, TTabStyle Style, bool MultiLine, const TRect& Native);

// The page frame around the display rectangle D.
TRect PageFrameRect(const TRect& D, const TspTabMargins& Margins);
// The band of the control, Width x Height, that the tabs lie in, beside the frame F.
TRect TabStripRect(TTabPosition Position, const TRect& F, int32_t Width, int32_t Height);
// The active tab's rectangle grown toward the page by Overlap (how much taller the active
// tab's picture is than the others').
TRect ActiveTabArea(TTabPosition Position, const TRect& TabRect, int32_t Overlap);
// Where the active tab is drawn: its rectangle moved so that a taller picture reaches
// into the frame also where the picture turns away from the tab's top-left corner.
TRect ActiveTabDrawRect(TTabPosition Position, const TRect& TabRect, int32_t Overlap);

// Tabs are built in a horizontal bitmap W x H and turned for left and right tabs. R, a
// rectangle in that bitmap, as it lies in the tab on screen (relative to the tab's
// top-left corner).
TRect TurnedTabRect(TTabPosition Position, const TRect& R, int32_t W, int32_t H);

// The size of the invisible tab images through which the native control leaves room in
// every tab: one pixel, plus the drawn images' width (top and bottom tabs) or height
// (left and right tabs) when there are images, plus the close buttons' room. Turned tabs
// get the room both ways: some native controls measure their length by the image's
// height, others by its width; their thickness is set apart.
TSize TabSpaceImageSize(TTabPosition Position, const TSize* Images, int32_t CloseSize);

// The tabs the strip cannot show whole: those that end past Width - 3 (or left of the
// scroller of ScrollerWidth there) or before the control's left edge; and of those, the
// ones scrolled out to the left.
struct TspHiddenTabs {
  int Hidden = 0;
  int ScrolledOut = 0;
};
TspHiddenTabs CountHiddenTabs(std::span<const TRect> Tabs, int32_t Width, int32_t ScrollerWidth);
