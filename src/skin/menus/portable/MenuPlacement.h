#pragma once
// Where a menu level goes on the screen: against its anchor (the rectangle it drops from,
// or the parent item of a submenu) inside the monitor's work area.

#include "base/Geometry.h"

struct TspLevelPlacement {
  TRect Anchor;    // screen coordinates
  TRect WorkArea;
  TSize Size;      // the level's window
  int32_t ItemsTop = 0;  // the first item's distance from the window's top
  bool IsSubmenu = false;
  bool PopupUp = false;  // a first level opens above its anchor
  bool ScrollMode = false;
  bool ScrollByCount = false;
};

// The window's top-left corner. A first level drops below its anchor (or goes above it
// with PopupUp) and starts at the anchor's left; where it fits on neither side it
// overlaps the anchor and moves beside it instead. A submenu opens beside its parent item
// with its first item level with it, or upwards near the bottom of the work area. A level
// too high for the work area starts at its top.
TPoint LevelPosition(const TspLevelPlacement& P);
