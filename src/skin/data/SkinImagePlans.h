#pragma once
// Where the skin image builders copy each piece of a skin picture. A skin element is the
// rectangle R of a picture, cut at four corner points and a client rectangle (relative
// to R's top-left corner) into corner pieces copied unscaled, four side strips stretched
// or tiled to the new length, and a client part. A plan lists the copies that make the
// image of a new size; the Windows builders carry them out on a canvas.
//
// A tiled strip repeats its source from the start of its place, the last tile cut short
// at the far end (never scaled); a plan holds it as one tiled copy. A strip or client
// tile of length below 1 is not tiled. Copies of nothing, or that fall wholly outside the
// image, are left out of a plan; an image past the pixel image's size limits gets no
// copies.

#include "SkinKeywords.h"
#include "SkinTypes.h"

#include <cstdint>
#include <functional>
#include <vector>

// The corner points LT, RT, LB, RB and the client rectangle ClRect: the top strip spans
// x from LT.X to RT.X, the bottom strip from LB.X to RB.X, the left strip y from LT.Y to
// LB.Y, the right strip from RT.Y to RB.Y; the bands outside ClRect form the frame.
struct TSkinCut {
  TPoint LT, RT, LB, RB;
  TRect ClRect;
  friend bool operator==(const TSkinCut&, const TSkinCut&) = default;
};

// Which side strips are stretched (true) or tiled (false).
struct TSkinSides {
  bool Left = false;
  bool Top = false;
  bool Right = false;
  bool Bottom = false;
};

// How the client part fills its rectangle: tiled both ways, or by StretchType stretched
// (stfull), stretched in height and tiled across (sthorz), or stretched in width and
// tiled downwards (stvert).
struct TSkinClientFill {
  bool StretchEffect = false;
  TspStretchType StretchType = stfull;
};

// Copy Source (picture coordinates) into Dest (image coordinates), stretching when the
// sizes differ. A tiled copy repeats Source across Dest (TiledAcross) or down it
// (TiledDown) from Dest's top-left corner, in steps of Source's width or height, the last
// tile cut short at Dest's far edge (never scaled); along an axis that is not tiled each
// tile is stretched to Dest's extent. A tiled strip or client part is one copy however
// many tiles it takes, so that no image size makes a plan large.
struct TPieceCopy {
  TRect Source;
  TRect Dest;
  bool TiledAcross = false;
  bool TiledDown = false;
  friend bool operator==(const TPieceCopy&, const TPieceCopy&) = default;
};
using TPiecePlan = std::vector<TPieceCopy>;

// A plan for a bitmap of its own size.
struct TImagePlan {
  int32_t Width = 0;
  int32_t Height = 0;
  TPiecePlan Copies;
};

// The plain copies that Copy stands for and that reach into Within (image coordinates),
// row by row, each from left to right: a copy that is not tiled stands for itself.
void ForEachTile(const TPieceCopy& Copy, const TRect& Within, const std::function<void(const TPieceCopy&)>& Visit);
// How many there are, without listing them.
int64_t TileCount(const TPieceCopy& Copy, const TRect& Within);

// Whether a bitmap of Width x Height can be made: at least a pixel each way and within the
// pixel image's size limits. Sizes computed from a skin are checked with it before use.
bool IsDrawableImageSize(int64_t Width, int64_t Height);

// The cut of an image of Width x Height: left and top coordinates stay, right and bottom
// ones keep their distance to R's right and bottom edge (saturating at the 32-bit range).
TSkinCut CutForSize(const TSkinCut& Cut, const TRect& R, int32_t Width, int32_t Height);
// The cut whose corner points are the corners of ClRect.
TSkinCut CutFromClientRect(const TRect& ClRect);

// The nine-part image of Width x Height: the four strips, then the eight copied pieces,
// then (with DrawClient) the client part in NewCut.ClRect. Empty when RB.X = LT.X or
// RB.Y = LT.Y.
TPiecePlan SkinImagePlan(const TSkinCut& Cut, const TSkinCut& NewCut, const TRect& R, int32_t Width,
                         int32_t Height, TSkinSides Sides, bool DrawClient, TSkinClientFill Fill);

// The client part of R (ClRect) filling NewClRect in an image of Width x Height. With
// ClipToRect the tiles of sthorz and stvert are cut at NewClRect's far edge; without,
// they are drawn whole and may reach past it. Empty for a NewClRect without area.
TPiecePlan SkinClientPlan(const TRect& ClRect, const TRect& NewClRect, const TRect& R, int32_t Width,
                          int32_t Height, TSkinClientFill Fill, bool ClipToRect);

// The four frame bands as images of their own. A band is absent (Drawn false: its
// bitmap is neither resized nor drawn) when its width or height, or its strip's source
// length, is below 1, or when it is past the pixel image's size limits.
struct TBandPlan {
  bool Drawn = false;
  TImagePlan Image;
};
struct TBorderPlans {
  TBandPlan Top, Bottom, Left, Right;
};

// Top and bottom bands span the whole width; the left and right bands lie between them.
TBorderPlans SkinBorderPlans(const TSkinCut& Cut, const TSkinCut& NewCut, const TRect& R, int32_t Width,
                             int32_t Height, TSkinSides Sides);

// The bands of a mask picture of MaskWidth x MaskHeight (R is the whole mask) for an
// image Width wide: each strip tiled from its start across the whole band, then the
// corner pieces copied over both ends. Their tiles are listed one by one (no more than a
// band is long): the frame's hit test reads them pixel by pixel. The bands are as high
// as the mask's (top and bottom) and the new client rectangle (left and right). Every
// band within the size limits is drawn (a band without area gives an empty bitmap).
TBorderPlans SkinBorderMaskPlans(const TSkinCut& Cut, const TSkinCut& NewCut, int32_t MaskWidth,
                                 int32_t MaskHeight, int32_t Width);

// Three-part images: NewWidth x RectHeight(R) with the left LeftOffset and right
// RightOffset columns of R copied unscaled to the two ends (each only when not 0) and
// the middle (counted as one column when it has none) stretched or tiled between them.
TImagePlan HSkinImagePlan(int32_t LeftOffset, int32_t RightOffset, const TRect& R, int32_t NewWidth,
                          bool StretchEffect);
// The vertical twin: RectWidth(R) x NewHeight.
TImagePlan VSkinImagePlan(int32_t TopOffset, int32_t BottomOffset, const TRect& R, int32_t NewHeight,
                          bool StretchEffect);
