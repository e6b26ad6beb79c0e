#pragma once
// Windows only. Window regions from mask pictures: the black pixels of a mask are the
// window, the others are cut away. The caller owns every region it is given, until a
// window takes it.

#include "skin/data/MaskRegionData.h"
#include "skin/data/SkinImagePlans.h"

#include "classlib/Bitmap.h"
#include "classlib/DeviceContexts.h"

using TRegion = TGdiObject<HRGN>;

// Gives Window the region (nullptr takes its region away), redrawn when Redraw is set.
// A region the window takes is the window's from then on (it frees the one it had); one
// it refuses is deleted here. True when the window took it.
bool GiveWindowRegion(HWND Window, TRegion Region, bool Redraw);

// The RGNDATA block of Mask's black pixels moved by (DX, DY) into Data; the result is
// its size in bytes, 0 for an empty mask (Data then keeps what it held).
int CreateRgnDataFromMask(TBitmap* Mask, int DX, int DY, TRgnDataBlock& Data);

// The region of Mask's black pixels; none for an empty mask, or for one of more black runs
// than MaxRegionMaskRuns or whose region would hold more rectangles than MostRects (what
// the skin's budget leaves the window: RegionRectsLeftFor).
TRegion CreateMaskRegion(TBitmap* Mask, size_t MostRects = MaxSkinRegionRects);

// What a skin region is cut from: the mask's corner points and client rectangle, the
// same for the new size, the window's new size, and the most rectangles it may have.
struct TSkinRegionOptions {
  TSkinCut Cut;
  TSkinCut Sized;
  TBitmap* Mask = nullptr;
  int Width = 0;
  int Height = 0;
  size_t MostRects = MaxSkinRegionRects;
};

// The window region for a new size: the four mask bands (CreateSkinBorderMasks) in their
// places joined with Sized.ClRect, which is always inside. None when the new corner
// points cross (LT right of RT, or LT below LB), when Sized.ClRect is empty and no band
// has a size, or when the bands' black runs are more than MaxRegionMaskRuns or their
// regions' rectangles more than MostRects together.
TRegion CreateSkinRegion(const TSkinRegionOptions& Options);
