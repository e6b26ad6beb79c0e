#pragma once
// How a part of a skinned control looks, without windows: which rectangle of the part's
// picture shows each state, how that rectangle is fitted to the size drawn, and the
// default look for when the skin has nothing to show. Buttons, check boxes, the buttons
// of edits and combo boxes, scroll-bar parts, menu items and caption buttons all draw
// through these rules.
//
// Skins are untrusted input: a rectangle without area, or larger than any picture can
// be, is a look the skin lacks and is never drawn, and a size taken from a skin is
// checked before any bitmap is made.

#include "skin/data/SkinButtonData.h"
#include "skin/data/SkinImagePlans.h"

enum class TspPartState { Normal, Hot, Down, Focused, Disabled };

// One rectangle of the part's picture per state; an empty one is a look the skin lacks.
struct TspPartRects {
  TRect Normal, Hot, Down, Focused, Disabled;
};

// The rectangle that shows a state, and the state it belongs to.
struct TspPartLook {
  TRect Rect;
  TspPartState From = TspPartState::Normal;
};

// A lacking look falls back: Down and Focused to Hot, Hot and Disabled to Normal. The
// rectangle is empty when even the normal look is lacking.
TspPartLook PartLook(const TspPartRects& Rects, TspPartState State);

// How a state rectangle R becomes an image of the size drawn.
enum class TspPartFit {
  Copy,        // R unscaled at the top-left corner, cut at the far edges
  Stretch,     // R stretched over the whole size
  NinePart,    // R cut at Cut: corners unscaled, sides by Sides, the client part by Fill
  Horizontal,  // as high as R; ends StartOffset and EndOffset wide unscaled, the middle
               // stretched (Fill.StretchEffect) or tiled; stretched to the height drawn
  Vertical,    // the twin: as wide as R, ends unscaled downwards
};

struct TspPartGeometry {
  TspPartFit Fit = TspPartFit::Copy;
  TSkinCut Cut;            // NinePart: relative to R's top-left corner
  TSkinSides Sides;        // NinePart
  TSkinClientFill Fill;    // NinePart's client part; the middle of Horizontal and Vertical
  bool DrawClient = true;  // NinePart: false leaves the client part undrawn
  int32_t StartOffset = 0;
  int32_t EndOffset = 0;
};

// The size of the image the skin image builders make of R for a part drawn Width x
// Height: the size drawn for a nine-part image, R's height (or width) for a three-part
// one, and the size drawn for a copied or stretched R. 0 x 0 when a nine-part cut's
// corner points meet, which the builders leave blank.
TSize PartImageSize(const TspPartGeometry& Geometry, const TRect& R, int32_t Width, int32_t Height);

// The resize modes of a skin entry (a skinned control's ResizeMode).
namespace SkinResize {
inline constexpr int32_t NoRect = -1;     // the entry has no skin rectangle
inline constexpr int32_t Fixed = 0;       // the skin rectangle's own size
inline constexpr int32_t BothWays = 1;    // any size: the nine-part image
inline constexpr int32_t WidthOnly = 2;   // the three-part image across
inline constexpr int32_t HeightOnly = 3;  // the three-part image down
}  // namespace SkinResize

// The directions a part with the skin rectangle SkinRect cut at Cut may be resized in,
// by the first rule that applies: NoRect without a rectangle; BothWays when RB is set in
// X and Y; WidthOnly when RT is set; HeightOnly when LB is set; else Fixed.
int32_t SkinResizeMode(const TRect& SkinRect, const TSkinCut& Cut);

// A control entry's geometry by its resize mode: 1 the nine-part image with its client
// part, 2 and 3 the three-part images cut at its corner points, 0 the rectangle as it is.
TspPartGeometry CustomControlGeometry(const TspDataSkinCustomControl& Entry);
// The same of the geometry a control copied from its entry.
TspPartGeometry CustomControlGeometry(const TRect& SkinRect, const TSkinCut& Cut, TSkinSides Sides,
                                      TSkinClientFill Fill);
// The nine-part image cut at the corners of ClRect, every side and the client stretched:
// a skin rectangle fitted to any size.
TspPartGeometry ClientRectGeometry(const TRect& ClRect);

// The state rectangles of a button-type entry.
TspPartRects ButtonPartRects(const TspDataSkinButtonControl& Entry);

// The look all skinless controls share: a one-pixel frame around a fill. Normal and
// Disabled: a clBtnShadow frame on clBtnFace, or clBtnFace alone where a control draws
// its normal look flat; Hot and Focused: a navy frame on DefaultHotFill; Down: a navy
// frame on DownFill, DefaultDownFill for controls.
inline constexpr TColor DefaultHotFill = RGBColor(182, 189, 210);
inline constexpr TColor DefaultDownFill = RGBColor(133, 147, 181);
// The pressed fill of skinless cells and objects, a shade less green than the controls':
// the images menu's cells, the combo box's button, the caption buttons, the main menu
// bar's items and buttons and the MDI tabs bar's active tab press to it.
inline constexpr TColor DefaultCellDownFill = RGBColor(133, 146, 181);

struct TspDefaultLook {
  TColor Frame = clNone;  // clNone: no frame
  TColor Fill = clBtnFace;
};

TspDefaultLook DefaultPartLook(TspPartState State, bool FramedNormal = true, TColor DownFill = DefaultDownFill);
