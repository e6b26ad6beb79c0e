#pragma once
// Windows only. Window regions from mask pictures: the black pixels of a mask are the
// window, the others are cut away. The caller owns every region it is given.

#include "skin/data/MaskRegionData.h"

#include "classlib/Bitmap.h"

// The RGNDATA block of Mask's black pixels moved by (DX, DY) into Data; the result is
// its size in bytes, 0 for an empty mask (Data then keeps what it held).
int CreateRgnDataFromMask(TBitmap* Mask, int DX, int DY, TRgnDataBlock& Data);

// The region of Mask's black pixels; nullptr for an empty mask.
void CreateMaskRegion(HRGN& Rgn, TBitmap* Mask);

// The window region for a new size: the four mask bands (CreateSkinBorderMasks) in their
// places joined with NewClRect, which is always inside. nullptr when NewLT.X > NewRT.X
// or NewLT.Y > NewLB.Y, or when NewClRect is empty and no band has a size.
void CreateSkinRegion(HRGN& Rgn, TPoint LT, TPoint RT, TPoint LB, TPoint RB, TRect ClRect, TPoint NewLT,
                      TPoint NewRT, TPoint NewLB, TPoint NewRB, TRect NewClRect, TBitmap* Mask, int Width,
                      int Height);
