#pragma once
// Windows only. Filling an area from a skin picture, as the page control's body, strip
// and sheets do: the part Source of the picture tiled from the area's top-left corner,
// or stretched over it (stfull), stretched in height and tiled across (sthorz), or
// stretched in width and tiled downwards (stvert).

#include "skin/data/SkinImagePlans.h"

#include "classlib/Bitmap.h"

// Fills (0, 0, Width, Height) of Canvas from Source of Picture and returns true; draws
// nothing and returns false when there is no picture, Source is empty or not wholly in
// the picture, or the area is empty.
bool FillAreaFromPicture(TCanvas& Canvas, TBitmap* Picture, const TRect& Source, int Width, int Height,
                         TSkinClientFill Fill);
void FillAreaWithColor(TCanvas& Canvas, const TRect& R, TColor Color);
// Whether R lies wholly in Picture (which exists).
bool InPicture(TBitmap* Picture, const TRect& R);
