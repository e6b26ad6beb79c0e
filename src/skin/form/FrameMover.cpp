// Moving and sizing a skinned window: the system's loop, the magnetic edges, and the
// client-area frame dragged by the mouse.
#include "FrameMover.h"

#include "classlib/Form.h"
#include "classlib/SystemSeams.h"

void TspFrameMover::StickHere() { FMagnetic.SetStickPosition(Seams::CursorPos()); }

TRect TspFrameMover::Moving(const TRect& Proposed, bool StayPut, bool Magnetic, int32_t Distance, const TRect& Area) {
  return FMagnetic.Moving(Proposed, FForm.BoundsRect(), StayPut, Magnetic, Distance, Area, Seams::CursorPos());
}

void TspFrameMover::LoopStarted() {
  FInSizeMove = true;
  ++FLoopsBegun;
  BOOL fullDrag = FALSE;
  SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &fullDrag, 0);
  FFullWindowDrag = fullDrag != FALSE;
}

void TspFrameMover::BeginDrag(int X, int Y) {
  FDragging = true;
  FDragPoint = FForm.ClientToScreen({X, Y});
}

void TspFrameMover::DragTo(TPoint Cursor, bool Magnetic, int32_t Distance, const TRect& Area) {
  int x = FForm.Left() + Cursor.X - FDragPoint.X;
  int y = FForm.Top() + Cursor.Y - FDragPoint.Y;
  if (Magnetic) FMagnetic.MagneticMove(x, y, FForm.Width(), FForm.Height(), Distance, Area, Cursor);
  FDragPoint = Cursor;
  FForm.SetBounds(x, y, FForm.Width(), FForm.Height());
}
