#pragma once
// Windows only. A skinned window's shape for its current size: the region its skin's mask
// gives it, or none, and then the window is its whole rectangle. Every window the skin
// library shapes (frames, menu levels, hints, masked controls) is shaped through here.

#include "SkinRegions.h"

// Shapes Window by Region, redrawn when Redraw is set. No region (no mask, or one that
// gives no region at this size) takes away the one the window holds, so that the window
// shows whole rather than cut to a shape made for another size; a window that holds none
// is left as it is. False when the system refused the change (a refused region is
// deleted).
bool ShapeWindow(HWND Window, TRegion Region, bool Redraw);

// Whether Window holds a region.
bool HasWindowRegion(HWND Window);
