#pragma once
// Where the parts of a skinned window frame lie for the window's current size: the skin's
// frame geometry stretched to the size, the anchoring of skin rectangles to it, and the
// plain default frame that is drawn when no skin is in use. Frame coordinates count from
// the window's top-left corner.

#include "FrameTypes.h"

#include "classlib/portable/FormGeometry.h"
#include "skin/data/SkinFormInfo.h"
#include "skin/data/SkinImagePlans.h"

#include <array>
#include <cstdint>

// The skin's frame geometry at one window size. The right and bottom parts keep their
// distance to the window's right and bottom edges.
struct TspFrameGeometry {
  int32_t Width = 0;
  int32_t Height = 0;
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ClRect;
  TRect CaptionRect;
  TRect ButtonsRect;
  TPoint HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
  TRect MaskRect;
  TRect MainMenuRect;
};

// Info's geometry, given for a frame picture of Picture's size, taken to Width x Height.
// The buttons rectangle follows the right edge only when it starts right of the
// picture's middle; the main-menu bar only on a resizable frame.
TspFrameGeometry SkinFrameGeometry(const TspSkinFormInfo& Info, TSize Picture, int32_t Width, int32_t Height);

// True when the skin's frame stretches with the window: its left-top and right-bottom
// corner points differ.
bool IsResizableFrame(const TspSkinFormInfo& Info);

// The corner points and client rectangle Info cuts its frame picture at.
TSkinCut FrameCut(const TspSkinFormInfo& Info);
// The same cut with the mask rectangle in place of the client rectangle: the cut of the
// border mask bands.
TSkinCut MaskCut(const TspSkinFormInfo& Info);

// R, a rectangle of a frame picture of Picture's size cut at Cut's corner points, moved
// or stretched with the window's size Size. A rectangle inside one corner area moves with
// that corner; one spanning two areas stretches between them; any other stays.
TRect AnchorSkinRect(const TRect& R, const TSkinCut& Cut, TSize Picture, TSize Size);

// The default frame: 3-pixel borders around a caption of the default height.
inline constexpr int32_t DefaultBorderWidth = 3;
int32_t GetDefaultCaptionHeight(TFormBorderStyle BorderStyle);
// The side of a square default caption button.
int32_t GetDefaultButtonSize(TFormBorderStyle BorderStyle);
// The size of the window icon on the system-menu button: the small-icon size, or the
// caption-button size when the system reports no small-icon size.
TSize SmallIconSize(TSize SmallIcon, TSize CaptionButton);

// The default frame's caption and caption buttons for a window Width wide. Buttons
// appear only for the commands in Visible; a button not placed has an empty rectangle.
struct TspDefaultFrameLayout {
  TRect CaptionRect;
  std::array<TRect, cmminimizetotray + 1> ButtonRects;  // indexed by command
};
TspDefaultFrameLayout DefaultFrameLayout(int32_t Width, TFormBorderStyle BorderStyle,
                                         TSet<TspStdButtonCommand> Visible, bool ShowIcon, TSize IconSize);
