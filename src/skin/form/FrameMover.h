#pragma once
// TspFrameMover: how a skinned window moves and sizes. It knows whether the system's size
// and move loop runs (and whether it drags full windows), keeps the magnetic edges, and
// drags a frame drawn in the client area by the mouse.

#include "skin/form/portable/MagneticEdges.h"

class TCustomForm;

class TspFrameMover {
public:
  explicit TspFrameMover(TCustomForm& Form) : FForm(Form) {}

  // The edges stick relative to where the cursor is now (a move begins).
  void StickHere();
  // A size change frees every edge.
  void ReleaseEdges() { FMagnetic.Release(); }
  // WM_MOVING: the rectangle the window takes for the proposed one (both on the screen,
  // as Area is).
  TRect Moving(const TRect& Proposed, bool StayPut, bool Magnetic, int32_t Distance, const TRect& Area);

  // The system's size and move loop.
  void LoopStarted();
  void LoopEnded() { FInSizeMove = false; }
  bool InSizeMove() const { return FInSizeMove; }
  // How many loops have begun: a press on the frame whose handling ran one was taken by
  // it, together with its release.
  unsigned LoopsBegun() const { return FLoopsBegun; }
  // The loop sizes the window as it goes: the frame follows each step.
  bool FullWindowSizing() const { return FInSizeMove && FFullWindowDrag; }

  // Dragging the client-area frame from a point of the window's client area.
  void BeginDrag(int X, int Y);
  void EndDrag() { FDragging = false; }
  bool Dragging() const { return FDragging; }
  // The window follows the cursor; with Magnetic its edges stick within Distance of
  // Area's, a screen rectangle.
  void DragTo(TPoint Cursor, bool Magnetic, int32_t Distance, const TRect& Area);

private:
  TCustomForm& FForm;
  TspMagneticEdges FMagnetic;
  bool FInSizeMove = false;
  unsigned FLoopsBegun = 0;
  bool FFullWindowDrag = false;
  bool FDragging = false;
  TPoint FDragPoint;
};
