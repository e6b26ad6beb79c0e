#pragma once
// The one paint path of skinned controls: a part of a control (a button face, a check
// box, an edit's or combo box's button, a scroll-bar arrow or thumb, a menu item, a
// caption button) is drawn in a state from its skin picture, fitted to the size drawn by
// the skin image builders, or in the default look when the skin has no look for it.

#include "skin/controls/portable/SkinPartLook.h"
#include "skin/data/win32/SkinBitmaps.h"

#include <optional>
#include <string>

class TCanvas;

// One skin part ready to draw. A part that is kept between paints stays safe: its
// pictures give nothing once their skin has changed, and the part draws its default
// look until it is taken anew.
struct TspSkinPart {
  TspSkinBitmap Picture;
  // Where the normal look lies when that is not Picture (a caption button whose normal
  // look is part of the frame picture); without it the normal look is in Picture too.
  std::optional<TspSkinBitmap> NormalPicture;
  TspPartRects Rects;
  TspPartGeometry Geometry;
};

// The part a control entry of Data describes: a button-type entry with its state
// rectangles, any other with its skin rectangle as the normal look, each fitted by its
// corner points.
TspSkinPart ControlSkinPart(TspSkinData* Data, const TspDataSkinControl& Entry);
// The part of Data's control entry Name; no part (the default look) without skin data,
// with an empty skin or without such an entry.
TspSkinPart ControlSkinPart(TspSkinData* Data, const std::string& Name);

// Draws Part in State over Dest and returns true, or draws nothing and returns false when
// the skin has no look for it: no picture, no rectangle after the fall-backs, or an image
// too large to make.
bool DrawSkinPart(TCanvas& Canvas, const TRect& Dest, const TspSkinPart& Part, TspPartState State);
// DrawSkinPart over Dest leaving out the pixels of the look's transparent colour: Key,
// or without one the look's bottom-left pixel (marks, glyphs and thumbs of a skin).
bool DrawSkinPartTransparent(TCanvas& Canvas, const TRect& Dest, const TspSkinPart& Part, TspPartState State,
                             std::optional<TColor> Key = std::nullopt);
// A default look's fill and frame over Dest.
void DrawDefaultLook(TCanvas& Canvas, const TRect& Dest, const TspDefaultLook& Look);
// The default look of State over Dest (DefaultPartLook).
void DrawDefaultPart(TCanvas& Canvas, const TRect& Dest, TspPartState State, bool FramedNormal = true,
                     TColor DownFill = DefaultDownFill);
// The part from the skin, else in the default look.
void DrawPart(TCanvas& Canvas, const TRect& Dest, const TspSkinPart& Part, TspPartState State,
              bool FramedNormal = true);
