#pragma once
// Windows only. A skinned window's shape for its current size: the region its skin's mask
// gives it, or none, and then the window is its whole rectangle. Every window the skin
// library shapes (frames, menu levels, hints, masked controls) is shaped through here.

#include "SkinRegions.h"

// Shapes Window by Region, redrawn when Redraw is set. No region (no mask, or one that
// gives no region at this size) takes away the one the window holds, so that the window
// shows whole rather than cut to a shape made for another size; a window that holds none
// is left as it is. A region of more rectangles than the skin's budget leaves the window
// (RegionRectsLeftFor) is no region. False when the system refused the change (a refused
// region is deleted).
bool ShapeWindow(HWND Window, TRegion Region, bool Redraw);

// The most rectangles a region of Window may have: MaxSkinRegionRects less what the
// regions of the other windows shaped here hold (those of windows gone come back first).
// Regions are made to hold no more (CreateSkinRegion, CreateMaskRegion).
size_t RegionRectsLeftFor(HWND Window);

// Whether Window holds a region.
bool HasWindowRegion(HWND Window);
