#pragma once
// Where the frame painters put things: the four border bands of a skinned frame and the
// objects drawn on them, the striped caption of the default frame, the client
// background's tiles, the logo, the picture of the client-area frame, and which window
// region a frame gets. The window class carries out the drawing.

#include "FrameCore.h"

#include "skin/data/SkinImagePlans.h"

#include <vector>

// A skinned frame is painted only when the skin's frame is usable and the window has at
// least its minimum size.
bool SkinFramePaintable(const TspFrameCore& Core);

// Where the border bands go: top at (0, 0), the sides below it, bottom at the foot.
struct TspBandOrigins {
  TPoint Top, Left, Right, Bottom;
};
TspBandOrigins BorderBandOrigins(const TBorderPlans& Bands, int32_t Width, int32_t Height);

// An object reaching below the client rectangle's top is drawn on the bottom band, its
// rectangle moved up by the client rectangle's bottom; any other on the top band.
struct TspBandDraw {
  bool OnBottomBand = false;
  TRect Rect;  // in the band's coordinates
  friend bool operator==(const TspBandDraw&, const TspBandDraw&) = default;
};
TspBandDraw ObjectBandDraw(const TRect& ObjectRect, const TRect& ClRect);
// The main-menu items are all drawn on one band: the bottom one, their rectangles moved up
// by the client rectangle's bottom, when the skin's main-menu row starts below the client
// rectangle's top; else the top one.
TspBandDraw MainMenuItemBandDraw(const TRect& ItemRect, const TRect& MainMenuRect, const TRect& ClRect);

// The pixels of frame objects one paint draws. Each object is drawn whole, at its
// rectangle's size however little of it shows, and a skin gives any number of them at any
// size (300 labels of 5000 x 5000, a few kilobytes of skin, took 12 s at every paint of the
// frame), so a paint draws them in order while their pixels fit in one budget; one that
// would go past it is left out, as is one that lies wholly outside what it is drawn on.
inline constexpr int64_t MaxFramePaintObjectPixels = int64_t{1} << 23;
class TspObjectPaintBudget {
public:
  // Whether an object at Rect on a target of Target's size is drawn; its pixels are taken
  // when it is.
  bool Take(const TRect& Rect, TSize Target);

private:
  int64_t FLeft = MaxFramePaintObjectPixels;
};

// The default frame's caption is a bitmap of the caption height, Width - 6 wide, drawn at
// (3, 3). Its stripes are one-pixel lines from y = 2 to the caption height - 4,
// alternately highlight and shadow, from 2 pixels right of the caption rectangle's left
// edge to 3 pixels left of its right edge (End excluded), in bitmap coordinates.
struct TspCaptionStripe {
  int32_t Y = 0;
  int32_t Start = 0;
  int32_t End = 0;
  bool Highlight = false;
  friend bool operator==(const TspCaptionStripe&, const TspCaptionStripe&) = default;
};
std::vector<TspCaptionStripe> DefaultCaptionStripes(const TRect& CaptionRect, int32_t CaptionHeight);
// Where the caption text of TextSize starts in the caption bitmap: centred on the caption
// rectangle, with room for 5 more pixels.
TPoint DefaultCaptionTextOrigin(const TRect& CaptionRect, int32_t CaptionHeight, TSize TextSize);
// The client part that the default frame leaves alone.
TRect DefaultClientRect(int32_t Width, int32_t Height, int32_t CaptionHeight);

// The client background: the picture drawn into Columns x Rows cells of Cell's size laid
// side by side from (0, 0), stretched to the cell where its size differs. Nothing when
// there are no cells.
struct TspClientFill {
  TRect Cell;
  int32_t Columns = 0;
  int32_t Rows = 0;
  friend bool operator==(const TspClientFill&, const TspClientFill&) = default;
};
// Tiled over the client area without StretchEffect; stretched by StretchType over the
// whole window with it: stfull into one cell, stvert into full-width cells one below the
// other, any other type into full-height cells side by side.
TspClientFill ClientBackgroundFill(TSize Picture, TSize Client, TSize Window, bool StretchEffect,
                                   TspStretchType StretchType);

// The logo's top-left corner: centred in the client area, never above or left of it.
TPoint LogoOrigin(TSize Client, TSize Logo);

// What the client-area frame shows (no NC support).
enum class TspClientFramePicture : uint8_t {
  Plain,          // no skin: a button-face rectangle with a black outline
  RollUpPicture,  // rolled up: the roll-up picture (RollUpImagePlan)
  FramePicture,   // the frame picture at its own size: the skin gives no corner points
  FrameImage,     // the nine-part image of the frame picture at the window's size
};
TspClientFramePicture ClientFramePictureKind(const TspFrameCore& Core);

// The window region a skinnable frame sets.
enum class TspFormRegion : uint8_t {
  None,       // a borderless window with NC support: no region at all
  Rectangle,  // the window's rectangle
  WholeMask,  // no NC support: the whole mask picture
  MaskBands,  // NC support: the mask rectangle and the border mask bands around it
};
TspFormRegion FormRegionKind(const TspFrameCore& Core);
