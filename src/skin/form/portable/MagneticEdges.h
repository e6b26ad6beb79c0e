#pragma once
// Magnetic edges: while a skinned window is moved, each of its edges that comes within
// the magnetic distance of the work area's matching edge sticks to it, and stays stuck
// until the cursor has moved more than that distance from where the edge stuck.

#include "base/Geometry.h"

#include <cstdint>

class TspMagneticEdges {
public:
  // Where the cursor was when the move began (WM_ENTERSIZEMOVE, or a press that starts
  // dragging the client-area frame).
  void SetStickPosition(TPoint Cursor) { FStick = Cursor; }
  // A size change frees every edge.
  void Release() { FLeft = FTop = FRight = FBottom = false; }

  // Adjusts the top-left corner (X, Y) of a window of Width x Height moving in Area, with
  // the edges sticking within Distance pixels, for the cursor at Cursor.
  void MagneticMove(int32_t& X, int32_t& Y, int32_t Width, int32_t Height, int32_t Distance, const TRect& Area,
                    TPoint Cursor);

  // WM_MOVING: the rectangle a window with bounds Current takes for the proposed one. A
  // window that must stay put keeps Current; with Magnetic the edges stick; the window
  // keeps its size.
  TRect Moving(const TRect& Proposed, const TRect& Current, bool StayPut, bool Magnetic, int32_t Distance,
               const TRect& Area, TPoint Cursor);

private:
  bool FLeft = false, FTop = false, FRight = false, FBottom = false;
  TPoint FStick;
};
